#include "DocxFile.h"

#include "DocumentModel.h"
#include "DocxBody.h"
#include "DocxFooter.h"
#include "core/WholeFile.h"
#include "core/XmlText.h"

#include <QFileInfo>
#include <zip.h>

namespace DocxFile {

namespace {

using XmlText::safe;

// Adds one part, deflated; false when the archive refuses it.
bool addPart(zip_t *zip, const QString &name, const QByteArray &bytes)
{
    zip_source_t *source = zip_source_buffer(zip, bytes.constData(), zip_uint64_t(bytes.size()), 0);
    const zip_int64_t index = source ? zip_file_add(zip, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) : -1;
    // The fastest deflate: the XML repeats itself, so it still shrinks
    // tenfold. A picture is compressed already.
    const bool png = name.endsWith(QLatin1String(".png"));
    if (index >= 0 &&
        zip_set_file_compression(zip, zip_uint64_t(index), png ? ZIP_CM_STORE : ZIP_CM_DEFLATE, png ? 0 : 1) >= 0)
        return true;
    // Once added, the archive owns the source.
    if (index < 0 && source)
        zip_source_free(source);
    return false;
}

// The closed archive's bytes, read back from the memory it was written to.
// A short read fails with no reason of its own.
bool readBack(zip_source_t *buffer, QByteArray *out, QString *why)
{
    zip_stat_t stat;
    if (zip_source_stat(buffer, &stat) != 0 || zip_source_open(buffer) != 0) {
        *why = QStringLiteral("errore nella scrittura del documento");
        return false;
    }
    out->resize(qsizetype(stat.size));
    const bool ok = zip_source_read(buffer, out->data(), stat.size) == zip_int64_t(stat.size);
    zip_source_close(buffer);
    return ok;
}

// The whole package as the bytes of a zip file, built in memory.
bool zipped(const QList<std::pair<QString, QByteArray>> &content, QByteArray *out, QString *why)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t *zip = buffer ? zip_open_from_source(buffer, ZIP_TRUNCATE, &error) : nullptr;
    if (!zip) {
        *why = QStringLiteral("memoria insufficiente per preparare il documento");
        zip_error_fini(&error);
        if (buffer)
            zip_source_free(buffer);
        return false;
    }
    // The buffer outlives the archive, to be read back.
    zip_source_keep(buffer);
    for (const auto &[name, bytes] : content) {
        if (!addPart(zip, name, bytes)) {
            *why = QStringLiteral("errore nella preparazione del documento");
            zip_discard(zip);
            zip_source_free(buffer);
            return false;
        }
    }
    bool ok = zip_close(zip) == 0;
    if (!ok) {
        *why = QStringLiteral("errore nella preparazione del documento");
        zip_discard(zip);
    } else {
        ok = readBack(buffer, out, why);
    }
    zip_source_free(buffer);
    zip_error_fini(&error);
    return ok;
}

} // namespace

QList<std::pair<QString, QByteArray>> parts(const DocumentModel &document, const QDateTime &when)
{
    const QString title = document.title().isEmpty() ? QStringLiteral("Vicania") : safe(document.title());
    const QString author = document.author().isEmpty() ? QStringLiteral("Vicania") : safe(document.author());
    const int pictures = int(document.pictures().size());
    const QList<std::pair<QString, QByteArray>> footers = DocxFooter::parts(document);
    const auto footerCount = int(footers.size());
    QList<std::pair<QString, QByteArray>> out = {
        {QStringLiteral("[Content_Types].xml"), DocxParts::contentTypes(pictures > 0, footerCount)},
        {QStringLiteral("_rels/.rels"), DocxParts::packageRelationships()},
        {QStringLiteral("docProps/core.xml"), DocxParts::coreProperties(title, author, when)},
        {QStringLiteral("docProps/app.xml"), DocxParts::appProperties()},
        {QStringLiteral("word/_rels/document.xml.rels"), DocxParts::documentRelationships(pictures, footerCount)},
        {QStringLiteral("word/styles.xml"), DocxParts::styles()},
        {QStringLiteral("word/settings.xml"), DocxParts::settings()},
        {QStringLiteral("word/fontTable.xml"), DocxParts::fontTable()},
        {QStringLiteral("word/document.xml"), DocxBody::documentXml(document)},
    };
    out.append(footers);
    for (int n = 1; n <= pictures; ++n)
        out.append({QStringLiteral("word/") + DocxParts::pictureTarget(n), document.pictures()[n - 1].png});
    return out;
}

bool write(const DocumentModel &document, const QString &path, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    QByteArray bytes;
    QString why;
    if (!zipped(parts(document), &bytes, &why))
        return fail(why);
    // Never a half-written document; through a link, the file it points to.
    return WholeFile::write(path, bytes, error);
}

} // namespace DocxFile

// Defined with the writer, so that the model does not include the file it is
// written to and the two stay one way round.
bool DocumentModel::save(const QString &path, QString *error)
{
    return DocxFile::write(*this, path, error);
}
