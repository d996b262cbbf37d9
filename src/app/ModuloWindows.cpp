#include "ModuloWindows.h"

#include "Music.h"
#include "Program.h"
#include "RecoveryKeeper.h"
#include "core/Modulo.h"
#include "docs/DocumentOutput.h"
#include "frmSplash.h"
#include "help/HelpDocuments.h"
#include "projection/stimaabitanti.h"
#include "titlepage/frontespizio.h"

#include <QTimer>

namespace Modulo {

namespace {

void bringForward(QWidget *w)
{
    w->show();
    w->raise();
    w->activateWindow();
}

} // namespace

void OpenProjectionWindow()
{
    bringForward(Program::instance().projection());
    // Once the handler that opened the window is done (the splash's click
    // included): a question asked in the middle of it would leave the
    // splash in front.
    QTimer::singleShot(0, &Program::instance(), [] {
        Program &program = Program::instance();
        program.openPendingStudy();
        // A question may have brought another window forward.
        if (QWidget *projection = program.loaded(WindowId::stimaabitanti)) {
            projection->raise();
            projection->activateWindow();
        }
    });
}

void OpenTitlePageWindow()
{
    bringForward(Program::instance().titlePageWindow());
}

void ShowWindow(const QString &name)
{
    if (QWidget *w = Program::instance().window(name))
        bringForward(w);
}

QString GuidePageTitle;
QString GuidePageText;

void PrintGuidePage()
{
    DocumentOutput &output = Program::instance().documents();
    const auto document = output.create();
    HelpDocuments::guidePage(*document, GuidePageTitle, GuidePageText);
    output.deliver(*document, QStringLiteral("guida"));
}

void ConfirmExit()
{
    if (askConfirmExit(Program::instance().messenger()))
        LeaveToSplash();
}

void LeaveToSplash()
{
    Program &program = Program::instance();
    // Yes to the question whose title warns that unarchived data are lost.
    if (RecoveryKeeper *recovery = program.recovery())
        recovery->discard();
    for (WindowId id : WindowNames::exitOrder())
        program.unload(id);
    frmSplash *splash = program.splash();
    program.music().play();
    bringForward(splash);
    splash->setClosingText();
}

} // namespace Modulo
