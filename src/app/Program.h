// The program's windows, each created on first use and kept until unloaded,
// and the services they share (message boxes, file dialogs, music). The
// program ends when, after a window goes, no window of it is visible.
#pragma once

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class DocumentOutput;
class QAction;
class QMenu;
class FileDialogs;
class Messenger;
class Music;
class RecoveryKeeper;
class TitlePageLink;
class frmSplash;
class frontespizio;
class stimaabitanti;

class Program : public QObject {
    Q_OBJECT

public:
    // Unloading order of the confirmed exit; the splash comes last, apart.
    static const QStringList &exitOrder();

    Program(Messenger &messenger, FileDialogs &dialogs, Music &music, DocumentOutput &documents);
    ~Program() override;
    static Program &instance();

    Messenger &messenger() { return m_messenger; }
    FileDialogs &dialogs() { return m_dialogs; }
    Music &music() { return m_music; }
    DocumentOutput &documents() { return m_documents; }

    // A loaded window, or nothing.
    QWidget *loaded(const QString &name) const;
    frmSplash *splash();             // loads it if needed
    stimaabitanti *projection();     // loads it hidden if needed
    frontespizio *titlePageWindow(); // loads it hidden if needed
    // Any window by name, loaded hidden if needed.
    QWidget *window(const QString &name);
    // Where the projection window reads and writes the title page: the
    // title-page window, loaded hidden on first use.
    TitlePageLink &titlePage();
    // The program-wide office changed; the title page follows if it showed it.
    void officeChanged(const QString &oldName, const QString &oldAddress);

    // Unloads a window: it goes, and the next use builds it afresh.
    void unload(const QString &name);
    // Called by a window closed with its title-bar button.
    void forget(QWidget *window);

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
    QWidget *load(const QString &name, const std::function<QWidget *()> &create);
    void quitIfNothingVisible();

    Messenger &m_messenger;
    FileDialogs &m_dialogs;
    Music &m_music;
    DocumentOutput &m_documents;
    QMap<QString, QPointer<QWidget>> m_windows;
    std::unique_ptr<TitlePageLink> m_titlePageLink;
    bool m_quitWhenEmpty = true;
    QString m_studyToOpen;
    std::unique_ptr<RecoveryKeeper> m_recovery;
    bool m_recoveryOffered = false;
};

namespace Modulo {

// Shows the projection window, loading it first when needed.
void OpenProjectionWindow();
// Shows the title-page window, loading it first when needed.
void OpenTitlePageWindow();
// Shows a window by name, modeless, loading it first when needed.
void ShowWindow(const QString &name);
// A menu item that runs handler, named for tests and scripts.
QAction *AddAction(QMenu *menu, const QString &name, const QString &caption, std::function<void()> handler);
// The "&?" menu of the two main windows; their tip items differ in name and caption.
void AddHelpMenu(QWidget *window, const QString &tipName, const QString &tipCaption);

// The guide page to print, and the printing.
extern QString GuidePageTitle;
extern QString GuidePageText;
void PrintGuidePage();
// Asks, and on Yes leaves to the splash.
void ConfirmExit();
// Unloads every window, resumes the music and shows the splash with its
// closing text.
void LeaveToSplash();

} // namespace Modulo
