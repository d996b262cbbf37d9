#include "IstatFile.h"

#include "IstatTexts.h"
#include "core/BoundedRead.h"

#include <QFileInfo>
#include <zip.h>

namespace IstatFile {

namespace {

bool isZip(const QByteArray &bytes)
{
    return bytes.startsWith("PK\x03\x04") || bytes.startsWith("PK\x05\x06");
}

bool isCsvMember(const QString &name)
{
    return name.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) && !name.startsWith(QStringLiteral("__MACOSX/"));
}

// The member read to its end, at most maxBytes of it.
IstatOutcome<QByteArray> member(zip_t *zip, zip_uint64_t index, const QString &fileName, const QString &name,
                                qint64 maxBytes)
{
    zip_file_t *file = zip_fopen_index(zip, index, 0);
    if (!file)
        return istatUnreadable(IstatTexts::memberUnreadable(fileName, name));
    QByteArray bytes;
    QByteArray chunk(qsizetype{64} * 1024, Qt::Uninitialized);
    zip_int64_t got = 0;
    while ((got = zip_fread(file, chunk.data(), zip_uint64_t(chunk.size()))) > 0 && bytes.size() <= maxBytes)
        bytes.append(chunk.constData(), qsizetype(got));
    zip_fclose(file);
    if (bytes.size() > maxBytes)
        return istatRefused(IstatTexts::memberTooLarge(fileName, name, maxBytes));
    if (got < 0)
        return istatUnreadable(IstatTexts::memberUnreadable(fileName, name));
    return bytes;
}

// The one CSV member of an open archive.
IstatOutcome<QByteArray> onlyCsv(zip_t *zip, const QString &fileName, qint64 maxBytes)
{
    const zip_int64_t entries = zip_get_num_entries(zip, 0);
    QStringList names;
    zip_uint64_t index = 0;
    for (zip_int64_t i = 0; i < entries; ++i) {
        const char *raw = zip_get_name(zip, zip_uint64_t(i), 0);
        const QString name = raw ? QString::fromUtf8(raw) : QString();
        if (isCsvMember(name)) {
            names.append(name);
            index = zip_uint64_t(i);
        }
    }
    if (names.isEmpty())
        return istatRefused(IstatTexts::noCsvInZip(fileName));
    if (names.size() > 1)
        return istatRefused(IstatTexts::severalCsvInZip(fileName, names));
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(zip, index, 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) && stat.size > zip_uint64_t(maxBytes))
        return istatRefused(IstatTexts::memberTooLarge(fileName, names.front(), maxBytes));
    return member(zip, index, fileName, names.front(), maxBytes);
}

IstatOutcome<QByteArray> unzip(const QString &fileName, const QByteArray &bytes, qint64 maxBytes)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    zip_t *zip = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    zip_error_fini(&error);
    if (!zip) {
        if (source)
            zip_source_free(source);
        return istatUnreadable(IstatTexts::badZip(fileName));
    }
    IstatOutcome<QByteArray> out = onlyCsv(zip, fileName, maxBytes);
    zip_discard(zip);
    return out;
}

} // namespace

IstatOutcome<QByteArray> csvBytes(const QString &fileName, const QByteArray &bytes, qint64 maxBytes)
{
    if (isZip(bytes))
        return unzip(fileName, bytes, maxBytes);
    if (bytes.size() > maxBytes)
        return istatRefused(IstatTexts::fileTooLarge(fileName, maxBytes));
    return bytes;
}

IstatOutcome<QByteArray> read(const QString &path, qint64 maxBytes)
{
    const QString name = QFileInfo(path).fileName();
    BoundedRead::Result file = BoundedRead::file(path, maxBytes);
    switch (file.status) {
    case BoundedRead::Status::Read:
        return csvBytes(name, file.bytes, maxBytes);
    case BoundedRead::Status::NotAFile:
        return istatUnreadable(IstatTexts::notAFile(name));
    case BoundedRead::Status::TooLarge:
        return istatRefused(IstatTexts::fileTooLarge(name, maxBytes));
    case BoundedRead::Status::Unreadable:
        break;
    }
    return istatUnreadable(IstatTexts::unreadable(name));
}

} // namespace IstatFile
