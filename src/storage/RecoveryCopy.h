// The copies of unarchived studies that survive a crash: both windows' data
// and the name of the study's file, written whole or not at all in the
// user's data folder. Each running program keeps its own copy beside a lock
// it holds while it runs, so two programs never touch each other's work; a
// copy whose lock nobody holds was left by a program that ended badly. It
// never touches a study file of the user's.
#pragma once

#include "StudyFile.h"

#include <QDateTime>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class QLockFile;

namespace RecoveryCopy {

struct Copy {
    StudyRecord study;
    QString fileName; // the study's file, empty when never saved
    QDateTime written;
};

// ~/.local/share/vicania (tests point it elsewhere).
QString folder();
void setFolder(const QString &folder);

// A copy's file under its lock: this program's own, or one left behind while
// the user decides about it. The lock goes with the object, the file stays
// unless removed.
class Slot {
public:
    // A new name of this program's in the folder, locked; nothing when the
    // folder cannot be made or no lock can be taken.
    static std::unique_ptr<Slot> create();
    // An existing copy, locked; nothing while its program still runs.
    static std::unique_ptr<Slot> take(const QString &path);
    ~Slot();
    Slot(const Slot &) = delete;
    Slot &operator=(const Slot &) = delete;

    QString path() const { return m_path; }
    // Only a regular file of this user's: anything else in our place (a
    // link, say) is left alone and the copy moves to a new name.
    bool write(const Copy &copy);
    bool exists() const;
    void remove();

private:
    Slot(QString path, std::unique_ptr<QLockFile> lock);
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

struct Left {
    std::unique_ptr<Slot> slot; // locked while the user decides
    Copy copy;
};

// The copies whose program is gone, each locked, the oldest first. A copy
// of an earlier version (studio-non-archiviato.json, without lock) is one.
std::vector<Left> left();

// The study cut to what a study file holds: fields longer than a study can
// keep are shortened, the longest first; a study that fits stays as it is.
StudyRecord bounded(const StudyRecord &study);

} // namespace RecoveryCopy
