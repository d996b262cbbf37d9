// Reading a small file the program keeps (a study, the tips) safely: only a
// regular file, never more than a limit, so a pipe, a device or a huge file
// can neither block the program nor exhaust its memory.
#pragma once

#include <QByteArray>
#include <QString>

namespace BoundedRead {

enum class Status { Read, NotAFile, TooLarge, Unreadable };

struct Result {
    Status status = Status::Unreadable;
    QByteArray bytes;
};

Result file(const QString &path, qint64 maxBytes);

} // namespace BoundedRead
