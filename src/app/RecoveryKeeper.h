// Keeps a recovery copy of the study while the user works, so that a crash,
// a killed process or a power cut loses nothing typed: about once a second,
// when both windows' data differ from the study last opened or saved, this
// program's own copy is rewritten; when they match again, or the user
// confirmed leaving, it goes. The next time the projection window opens,
// the copies left by programs that are gone are offered back, the oldest
// first; those of programs still running are left alone.
#pragma once

#include "storage/RecoveryCopy.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <optional>

class Messenger;
class ProjectionModel;

class RecoveryKeeper : public QObject {
    Q_OBJECT

public:
    explicit RecoveryKeeper(Messenger &messenger, QObject *parent = nullptr);
    ~RecoveryKeeper() override;

    // Starts watching the projection window's study (and, through it, the
    // title page's).
    void watch(ProjectionModel *model);
    // Asks, one copy at a time, whether to take back a copy left by an
    // earlier run; true when the windows now hold one.
    bool offer();
    // The user accepted losing what was not archived.
    void discard();
    // Writes or removes the copy now, as the timer does.
    void flush();
    // This program's copy, once it has one.
    QString copyPath() const;

private:
    void write(const StudyRecord &now);
    void take(RecoveryCopy::Left &left);
    void dropCopy();

    Messenger &m_messenger;
    QPointer<ProjectionModel> m_model;
    QTimer m_timer;
    StudyRecord m_baseline;
    std::optional<StudyRecord> m_written;
    std::unique_ptr<RecoveryCopy::Slot> m_slot;
    // After a failed write (a full disk), the next try waits longer each time.
    int m_failures = 0;
    QDeadlineTimer m_nextTry{0};
};
