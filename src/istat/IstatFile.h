// The bytes of an ISTAT table as the user downloads it: a bare CSV, or a ZIP
// holding one CSV. Only regular files are read, and never more than a cap,
// whether on disk or once a ZIP member is inflated.
#pragma once

#include "IstatOutcome.h"

#include <QByteArray>
#include <QString>

namespace IstatFile {

// The CSV itself: the bytes given, or the one CSV of the ZIP they form;
// fileName names them in messages.
IstatOutcome<QByteArray> csvBytes(const QString &fileName, const QByteArray &bytes, qint64 maxBytes);

// The same from a file on disk.
IstatOutcome<QByteArray> read(const QString &path, qint64 maxBytes);

} // namespace IstatFile
