// Where the program finds the files it ships (tips, support data, example
// study) the XDG way: an office's own copy in the configuration folders
// (~/.config/vicania, /etc/xdg/vicania) first, then the data folders
// (~/.local/share/vicania, /usr/local/share/vicania, /usr/share/vicania and
// the rest of XDG_DATA_DIRS), then beside the executable, where a build
// tree keeps them, or in ../share/vicania of a program moved with its prefix.
#pragma once

#include <QString>
#include <QStringList>

namespace ProgramFolder {

// The folders searched, in order (tests point them elsewhere with setPath).
QStringList searchPath();
// The first copy of the file found, or where the program would keep it.
QString file(const QString &name);
// The folder of the installed data (for messages and the README).
QString path();
// Tests put one folder in place of the whole search.
void setPath(const QString &path);

} // namespace ProgramFolder
