// Keeps a recovery copy of the study while the user works, so that a crash,
// a killed process or a power cut loses nothing typed: about once a second,
// when both windows' data differ from the study last opened or saved, the
// copy is rewritten; when they match again, or the user confirmed leaving,
// it goes. The next time the projection window opens, a copy left behind is
// offered back.
#pragma once

#include "storage/StudyFile.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <optional>

class Messenger;
class ProjectionModel;

class RecoveryKeeper : public QObject {
    Q_OBJECT

public:
    explicit RecoveryKeeper(Messenger &messenger, QObject *parent = nullptr);

    // Starts watching the projection window's study (and, through it, the
    // title page's).
    void watch(ProjectionModel *model);
    // Asks whether to take back a copy left by an earlier run; true when the
    // windows now hold it.
    bool offer();
    // The user accepted losing what was not archived.
    void discard();
    // Writes or removes the copy now, as the timer does.
    void flush();

private:
    Messenger &m_messenger;
    QPointer<ProjectionModel> m_model;
    QTimer m_timer;
    StudyRecord m_baseline;
    std::optional<StudyRecord> m_written;
};
