// vicania-cli importa: a study made from ISTAT's tables, with its source
// line, and the derivations printed one per line.
#pragma once

#include <QStringList>
#include <QTextStream>

namespace CliImport {

// Arguments after "importa"; gives the exit status (0 done, 1 refused,
// 2 a file not read, 3 a wrong command).
int run(const QStringList &arguments, QTextStream &out, QTextStream &err);

// The lines of the usage text.
QString usage();

} // namespace CliImport
