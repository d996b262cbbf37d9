// Vicania: starts with the splash; everything else opens from there.
#include "AppIcon.h"
#include "DesktopDocuments.h"
#include "FluidMusic.h"
#include "ItalianTranslations.h"
#include "Program.h"
#include "core/StudioSettings.h"
#include "frmSplash.h"
#include "widgets/QtMessenger.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vicania"));
    QApplication::setOrganizationName(QStringLiteral("Vicania"));
    ItalianTranslations::install(app);
    // Dates, sizes and file kinds in the dialogs read as Italian too; the
    // program's own numbers follow Italian rules anyway.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    // One name for the desktop: its entry, icon and file type carry it.
    QGuiApplication::setDesktopFileName(AppIcon::kApplicationId);
    QApplication::setWindowIcon(AppIcon::icon());
    // The program decides when it ends: when no window of it is visible.
    QApplication::setQuitOnLastWindowClosed(false);
    // The user's office is the one setting the program keeps.
    StudioSettings::load();
    QtMessenger messenger;
    QtFileDialogs dialogs;
    FluidMusic music;
    DesktopDocuments documents(messenger);
    Program program(messenger, dialogs, music, documents);
    program.keepRecoveryCopies(true);
    // "vicania STUDIO", as a file manager runs it: the study opens with the
    // projection window, after the splash as always.
    const QStringList arguments = QApplication::arguments().mid(1);
    if (!arguments.isEmpty())
        program.setStudyToOpen(QFileInfo(arguments.constFirst()).absoluteFilePath());
    program.splash()->show();
    return QApplication::exec();
}
