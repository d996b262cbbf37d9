#include "BoundedRead.h"

#include <QFile>
#include <QFileInfo>

namespace BoundedRead {

Result file(const QString &path, qint64 maxBytes)
{
    // Checked before opening: opening a pipe for reading waits for a writer.
    const QFileInfo info(path);
    if (!info.exists())
        return {Status::Unreadable, {}};
    if (!info.isFile())
        return {Status::NotAFile, {}};
    if (info.size() > maxBytes)
        return {Status::TooLarge, {}};
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {Status::Unreadable, {}};
    // The file may have grown since it was looked at: read one byte past the limit.
    QByteArray bytes = f.read(maxBytes + 1);
    if (bytes.size() > maxBytes)
        return {Status::TooLarge, {}};
    if (f.error() != QFileDevice::NoError)
        return {Status::Unreadable, {}};
    return {Status::Read, bytes};
}

} // namespace BoundedRead
