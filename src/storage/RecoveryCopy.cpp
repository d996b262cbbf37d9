#include "RecoveryCopy.h"

#include "core/BoundedRead.h"
#include "core/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

namespace RecoveryCopy {

namespace {

QString &folderOverride()
{
    static QString folder;
    return folder;
}

QJsonArray array(const QStringList &texts)
{
    QJsonArray a;
    for (const QString &t : texts)
        a.append(t);
    return a;
}

QStringList texts(const QJsonValue &value)
{
    QStringList out;
    // Read through a const array, which is never copied to be read.
    const QJsonArray values = value.toArray();
    for (const QJsonValue v : values)
        out << v.toString();
    return out;
}

} // namespace

void setFolder(const QString &folder)
{
    folderOverride() = folder;
}

QString path()
{
    const QString folder = folderOverride().isEmpty()
                               ? QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                                     .filePath(QStringLiteral("vicania"))
                               : folderOverride();
    return QDir(folder).filePath(QStringLiteral("studio-non-archiviato.json"));
}

bool write(const Copy &copy)
{
    const QString target = path();
    if (!QDir().mkpath(QFileInfo(target).path()))
        return false;
    QJsonObject o;
    o[QStringLiteral("file")] = copy.fileName;
    o[QStringLiteral("scritto")] = copy.written.toString(Qt::ISODate);
    o[QStringLiteral("calcolo")] = array(QStringList(copy.study.inputs.begin(), copy.study.inputs.end()));
    o[QStringLiteral("frontespizio")] = array(copy.study.titlePage.fields());
    const QByteArray bytes = QJsonDocument(o).toJson();
    // Never through a link someone put in its place.
    return WholeFile::write(target, bytes, nullptr, WholeFile::Links::Refuse);
}

std::optional<Copy> read()
{
    const BoundedRead::Result r = BoundedRead::file(path(), qint64{1024} * 1024);
    if (r.status != BoundedRead::Status::Read)
        return std::nullopt;
    const QJsonObject o = QJsonDocument::fromJson(r.bytes).object();
    const QStringList inputs = texts(o.value(QStringLiteral("calcolo")));
    QStringList title = texts(o.value(QStringLiteral("frontespizio")));
    if (inputs.size() != 11 || title.size() != 9)
        return std::nullopt;
    Copy copy;
    for (std::size_t i = 0; i < copy.study.inputs.size(); ++i)
        copy.study.inputs[i] = inputs[qsizetype(i)];
    copy.study.titlePage = TitlePageData::fromFields(title);
    copy.fileName = o.value(QStringLiteral("file")).toString();
    copy.written = QDateTime::fromString(o.value(QStringLiteral("scritto")).toString(), Qt::ISODate);
    return copy;
}

void remove()
{
    QFile::remove(path());
}

} // namespace RecoveryCopy
