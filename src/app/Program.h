// The window registry: each window of the closed set created on first use
// and kept until unloaded, over the one study the program holds, with the
// services the windows share (message boxes, file dialogs, music,
// documents). The program ends when, after a window goes, no window of it is
// visible. Windows see it only as a WindowHost.
#pragma once

#include "core/WindowNames.h"
#include "widgets/WindowHost.h"

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class ChartPainter;
class DocumentOutput;
class FileDialogs;
class Messenger;
class Music;
class RecoveryKeeper;
class Study;
class TitlePageModel;
class frmSplash;
class frontespizio;
class stimaabitanti;

class Program : public QObject, public WindowHost {
    Q_OBJECT

public:
    // Unloading order of the confirmed exit; the splash comes last, apart.
    static QStringList exitOrder();

    Program(Messenger &messenger, FileDialogs &dialogs, Music &music, DocumentOutput &documents);
    ~Program() override;

    Messenger &messenger() override { return m_messenger; }
    FileDialogs &dialogs() { return m_dialogs; }
    Music &music() override { return m_music; }
    DocumentOutput &documents() override { return m_documents; }
    Study &study() { return *m_study; }

    // A loaded window, or nothing (also for a name outside the set).
    QWidget *loaded(WindowId id) const;
    QWidget *loaded(const QString &name) const;
    frmSplash *splash();             // loads it if needed
    stimaabitanti *projection();     // loads it hidden if needed
    frontespizio *titlePageWindow(); // loads it hidden if needed
    QWidget *window(WindowId id) override;
    // A window by name, loaded hidden if needed; nothing for a name outside
    // the set of windows.
    QWidget *window(const QString &name);
    // The title page of the study, whether its window is loaded or not.
    TitlePageModel &titlePage();

    void showWindow(WindowId id) override;
    void unload(WindowId id) override;
    void unload(const QString &name);
    void forget(QWidget *window) override;
    void confirmExit() override;
    void leaveToSplash() override;
    void openStudy(const QString &path) override;
    void officeChanged(const QString &oldName, const QString &oldAddress) override;
    void printGuidePage(const QString &title, const QString &text) override;

    // A study named on the command line: opened as Apri would once the
    // projection window first opens.
    void setStudyToOpen(const QString &path) { m_studyToOpen = path; }
    // Opens the pending study, if any, in the projection window.
    void openPendingStudy();
    // Keeps a recovery copy of the study while the user works (the program
    // turns it on; tests that want it too).
    void keepRecoveryCopies(bool keep);
    RecoveryKeeper *recovery() { return m_recovery.get(); }

    // Turned off by tests that must not end the test program.
    void setQuitWhenEmpty(bool quit) { m_quitWhenEmpty = quit; }

signals:
    void windowLoaded(const QString &name);
    // No window of the program is visible any more: it ends (unless a test
    // turned that off).
    void nothingVisible();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *create(WindowId id);
    void quitIfNothingVisible();
    void resetHalf(WindowId id);
    void place(WindowId id, QWidget *w);

    Messenger &m_messenger;
    FileDialogs &m_dialogs;
    Music &m_music;
    DocumentOutput &m_documents;
    std::unique_ptr<Study> m_study;
    std::unique_ptr<ChartPainter> m_charts; // draws the study's charts
    QMap<WindowId, QPointer<QWidget>> m_windows;
    bool m_quitWhenEmpty = true;
    QString m_studyToOpen;
    std::unique_ptr<RecoveryKeeper> m_recovery;
    // Where the tip, about and support windows were when last hidden.
    QMap<WindowId, QPoint> m_places;
    bool m_recoveryOffered = false;
};
