// vicania-screenshots: the pictures of Vicania's windows kept in artifacts/,
// taken the way a user would see them:
//   splash, projection (the worked example computed, a year highlighted),
//   projection-200 (the same at twice the size), titlepage-empty,
//   titlepage-filled, titlepage-opened (the example study opened),
//   sommario, manuale, guidacalcolo, frmTip, informaz, supportoclienti,
//   grafico-empty (before a calculation), grafico (the worked example),
//   ipotesi-empty and ipotesi (the worked example with low and high values,
//   before and after "Calcola ipotesi").
//
// Built only when asked, and run by hand after a change to a window:
//   tools/screenshots/take-screenshots.sh [FOLDER]
// or, with a build of this folder's project already made:
//   QT_QPA_PLATFORM=offscreen vicania-screenshots [FOLDER]
// FOLDER is artifacts/ in the current folder unless given. No message box is
// shown (their texts go to standard error: none is expected), file dialogs
// answer with the example study, documents and the office settings go to a
// scratch folder, and no music plays.
#include "app/DesktopDocuments.h"
#include "app/ItalianTranslations.h"
#include "app/Program.h"
#include "app/frmSplash.h"
#include "core/AppGlobals.h"
#include "core/FileDialogs.h"
#include "core/Messenger.h"
#include "core/Modulo.h"
#include "core/Music.h"
#include "core/StudioSettings.h"
#include "core/WindowNames.h"
#include "help/ProgramFolder.h"
#include "hypotheses/ipotesi.h"
#include "projection/ResultsGrid.h"
#include "projection/stimaabitanti.h"
#include "titlepage/frontespizio.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPalette>
#include <QTemporaryDir>
#include <cstdio>

namespace {

class UnshownMessages : public Messenger {
public:
    Message::Answer show(const Message &message) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(message.text));
        return message.buttons == Message::Buttons::Ok ? Message::Answer::Ok : Message::Answer::No;
    }
};

class ExampleStudy : public FileDialogs {
public:
    std::optional<QString> choose(const FileDialogRequest &) override { return QStringLiteral(VICANIA_EXAMPLE); }
};

class NoMusic : public Music {
public:
    void open(const QString &) override {}
    void play() override {}
    void pause() override {}
    void close() override {}
};

// The program afresh for each group of pictures, as a user starts it.
struct Session {
    UnshownMessages messenger;
    ExampleStudy dialogs;
    NoMusic music;
    QTemporaryDir documentsFolder;
    DesktopDocuments documents{messenger};
    Program program{messenger, dialogs, music, documents};
    Session()
    {
        Modulo::InitDialogTitles();
        program.setQuitWhenEmpty(false);
        documents.setFolder(documentsFolder.path());
        documents.setOpening(false);
    }
};

bool picture(QWidget *window, const QDir &folder, const QString &name)
{
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (!window || !window->grab().save(path)) {
        std::fprintf(stderr, "not written: %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The mouse over a year of the grid, as the window system reports it.
void hoverYear(stimaabitanti *w, int row)
{
    QWidget *viewport = w->grid()->viewport();
    const QPointF local = QRectF(w->grid()->visibleCellRect(row, 0)).center();
    QMouseEvent move(QEvent::MouseMove, local, viewport->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
}

// The projection window with a small study calculated.
stimaabitanti *calculatedProjection(Session &s)
{
    s.program.showWindow(WindowId::stimaabitanti);
    stimaabitanti *w = s.program.projection();
    const QStringList texts{"2000", "10000", "1,5", "14", "49", "5", "80", "3", "1", "2020"};
    for (int i = 0; i < texts.size(); ++i)
        w->model().setText(ProjectionInputs::at(i), texts[i]);
    w->model().calcola_Click();
    return w;
}

bool splashAndProjection(const QDir &folder)
{
    Session s;
    frmSplash *splash = s.program.splash();
    splash->show();
    bool ok = picture(splash, folder, QStringLiteral("splash"));
    stimaabitanti *w = calculatedProjection(s);
    hoverYear(w, 3);
    ok &= picture(w, folder, QStringLiteral("projection"));
    w->resize(w->width() * 2, w->height() * 2);
    ok &= picture(w, folder, QStringLiteral("projection-200"));
    return ok;
}

bool chartWindow(const QDir &folder)
{
    Session s;
    s.program.showWindow(WindowId::stimaabitanti);
    s.program.showWindow(WindowId::grafico);
    QWidget *chart = s.program.loaded(QStringLiteral("grafico"));
    bool ok = picture(chart, folder, QStringLiteral("grafico-empty"));
    s.program.titlePage().setText(TitlePageModel::Field::ricerca, QStringLiteral("Stima degli abitanti al 2030"));
    s.program.titlePage().setText(TitlePageModel::Field::localita, QStringLiteral("Borgonuovo"));
    ProjectionModel &m = s.program.projection()->model();
    const QStringList texts{"2000", "10000", "1,5", "14", "49", "5", "80", "3", "1", "2030"};
    for (int i = 0; i < texts.size(); ++i)
        m.setText(ProjectionInputs::at(i), texts[i]);
    m.calcola_Click();
    ok &= picture(chart, folder, QStringLiteral("grafico"));
    return ok;
}

bool hypothesesWindow(const QDir &folder)
{
    Session s;
    calculatedProjection(s);
    s.program.showWindow(WindowId::ipotesi);
    auto *window = qobject_cast<ipotesi *>(s.program.loaded(WindowId::ipotesi));
    bool ok = picture(window, folder, QStringLiteral("ipotesi-empty"));
    using K = Hypotheses::Kind;
    window->model().setValue(K::Low, ProjectionInput::tassofert, QStringLiteral("1,2"));
    window->model().setValue(K::High, ProjectionInput::tassofert, QStringLiteral("1,9"));
    window->model().setValue(K::Low, ProjectionInput::immigr, QStringLiteral("1"));
    window->model().setValue(K::High, ProjectionInput::immigr, QStringLiteral("6"));
    window->model().calcolaIpotesi();
    ok &= picture(window, folder, QStringLiteral("ipotesi"));
    return ok;
}

bool titlePage(const QDir &folder)
{
    Session s;
    appGlobals().StudioName = QStringLiteral("Studio tecnico Rossi");
    appGlobals().StudioAddress = QStringLiteral("Via Garibaldi, 10 - Borgonuovo");
    s.program.showWindow(WindowId::frontespizio);
    frontespizio *page = s.program.titlePageWindow();
    bool ok = picture(page, folder, QStringLiteral("titlepage-empty"));
    const QStringList texts{"Stima degli abitanti al 2030",
                            "Borgonuovo",
                            "ipotesi situazione futura",
                            "Comune di Borgonuovo",
                            "Borgonuovo",
                            "",
                            "grafici e tabelle"};
    for (int i = 0; i < texts.size(); ++i)
        if (!texts[i].isEmpty())
            page->model().setText(static_cast<TitlePageModel::Field>(i), texts[i]);
    ok &= picture(page, folder, QStringLiteral("titlepage-filled"));
    if (auto *open = page->findChild<QAction *>(QStringLiteral("apri")))
        open->trigger();
    ok &= picture(page, folder, QStringLiteral("titlepage-opened"));
    appGlobals().StudioName.clear();
    appGlobals().StudioAddress.clear();
    return ok;
}

bool helpWindows(const QDir &folder)
{
    Session s;
    bool ok = true;
    for (const QString &name :
         QStringList{"sommario", "manuale", "guidacalcolo", "frmTip", "informaz", "supportoclienti"}) {
        if (const auto id = WindowNames::find(name))
            s.program.showWindow(*id);
        ok &= picture(s.program.loaded(name), folder, name);
    }
    return ok;
}

// Both main windows under a dark desktop palette.
bool darkWindows(const QDir &folder)
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(235, 235, 235));
    dark.setColor(QPalette::Base, QColor(30, 30, 32));
    dark.setColor(QPalette::Text, QColor(235, 235, 235));
    dark.setColor(QPalette::Button, QColor(60, 60, 64));
    dark.setColor(QPalette::ButtonText, QColor(235, 235, 235));
    QApplication::setPalette(dark);
    Session s;
    stimaabitanti *w = calculatedProjection(s);
    bool ok = picture(w, folder, QStringLiteral("projection-dark"));
    s.program.showWindow(WindowId::frontespizio);
    frontespizio *page = s.program.titlePageWindow();
    page->model().setText(TitlePageModel::Field(0), QStringLiteral("Stima degli abitanti al 2030"));
    ok &= picture(page, folder, QStringLiteral("titlepage-dark"));
    QApplication::setPalette(QPalette());
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Qt's own texts and the dialogs' dates in Italian, as in the program.
    ItalianTranslations::install(app);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("artifacts"));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(folder.path()));
        return 1;
    }
    // Never the user's own office, nor tips from an installed copy.
    QTemporaryDir scratch;
    StudioSettings::useFile(scratch.filePath(QStringLiteral("vicania.ini")));
    ProgramFolder::setPath(QStringLiteral(VICANIA_RESOURCES));
    bool ok = splashAndProjection(folder);
    ok &= titlePage(folder);
    ok &= helpWindows(folder);
    ok &= chartWindow(folder);
    ok &= hypothesesWindow(folder);
    ok &= darkWindows(folder);
    return ok ? 0 : 1;
}
