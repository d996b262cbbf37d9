// The copy of an unarchived study that survives a crash: both windows' data
// and the name of the study's file, written whole or not at all in the
// user's data folder. It never touches a study file of the user's.
#pragma once

#include "StudyFile.h"

#include <QDateTime>
#include <QString>
#include <optional>

namespace RecoveryCopy {

struct Copy {
    StudyRecord study;
    QString fileName; // the study's file, empty when never saved
    QDateTime written;
};

// ~/.local/share/vicania/studio-non-archiviato.json (tests point it elsewhere).
QString path();
void setFolder(const QString &folder);

bool write(const Copy &copy);
std::optional<Copy> read();
void remove();

} // namespace RecoveryCopy
