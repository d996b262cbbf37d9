// A file written whole or not at all: a temporary file beside the target,
// renamed over it once complete, so a failed write keeps the previous file.
#pragma once

#include <QByteArray>
#include <QString>

namespace WholeFile {

// False with the reason in error (Italian) when the file could not be written.
bool write(const QString &path, const QByteArray &bytes, QString *error);

} // namespace WholeFile
