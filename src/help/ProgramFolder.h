// The program's folder: where it looks for its tips, its support data and its
// example study, and where it saves the collected guide. An installed program
// uses its data folder (../share/vicania beside bin/); a program run from its
// build folder uses the folder of its executable, where the build copies them.
#pragma once

#include <QString>

namespace ProgramFolder {

QString path();
QString file(const QString &name);
// Tests point it elsewhere.
void setPath(const QString &path);

} // namespace ProgramFolder
