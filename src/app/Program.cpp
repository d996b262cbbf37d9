#include "Program.h"

#include "core/Modulo.h"
#include "Music.h"
#include "RecoveryKeeper.h"
#include "docs/DocumentOutput.h"
#include "frmSplash.h"
#include "help/GuidePage.h"
#include "help/HelpDocuments.h"
#include "help/InfoWindows.h"
#include "help/frmTip.h"
#include "help/sommario.h"
#include "projection/stimaabitanti.h"
#include "storage/TitlePageData.h"
#include "titlepage/frontespizio.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <utility>

namespace {

Program *g_program = nullptr;

// Always reaches the title-page window of the moment, so the projection
// window never holds on to one that was unloaded.
class TitlePageProxy : public TitlePageLink {
public:
    explicit TitlePageProxy(Program &program) : m_program(program) {}
    TitlePageData read() override { return m_program.titlePageWindow()->model().read(); }
    void write(const TitlePageData &data) override { m_program.titlePageWindow()->model().write(data); }

private:
    Program &m_program;
};

} // namespace

const QStringList &Program::exitOrder()
{
    static const QStringList order = {"stimaabitanti", "frontespizio",   "supportoclienti",    "informaz",
                                      "sommario",      "manuale",        "guidafunzionamento", "guidaarchivio",
                                      "guidadati",     "guidarisultati", "guidacalcolo",       "guidafrontespizio",
                                      "frmTip"};
    return order;
}

Program::Program(Messenger &messenger, FileDialogs &dialogs, Music &music, DocumentOutput &documents)
    : m_messenger(messenger), m_dialogs(dialogs), m_music(music), m_documents(documents),
      m_titlePageLink(std::make_unique<TitlePageProxy>(*this))
{
    g_program = this;
}

Program::~Program()
{
    for (const QPointer<QWidget> &w : std::as_const(m_windows))
        delete w.data();
    if (g_program == this)
        g_program = nullptr;
}

Program &Program::instance()
{
    Q_ASSERT(g_program);
    return *g_program;
}

QWidget *Program::loaded(const QString &name) const
{
    return m_windows.value(name).data();
}

QWidget *Program::load(const QString &name, const std::function<QWidget *()> &create)
{
    if (QWidget *w = loaded(name))
        return w;
    QWidget *w = create();
    w->setObjectName(name);
    // However a window goes (unloaded, closed, hidden by its own button),
    // the program ends if it was the last one visible.
    w->installEventFilter(this);
    m_windows.insert(name, w);
    if (m_recovery && name == QLatin1String("stimaabitanti"))
        m_recovery->watch(&static_cast<stimaabitanti *>(w)->model());
    emit windowLoaded(name);
    return w;
}

frmSplash *Program::splash()
{
    return static_cast<frmSplash *>(load(QStringLiteral("frmSplash"), [this] { return new frmSplash(*this); }));
}

stimaabitanti *Program::projection()
{
    return static_cast<stimaabitanti *>(
        load(QStringLiteral("stimaabitanti"), [this] { return new stimaabitanti(*this); }));
}

frontespizio *Program::titlePageWindow()
{
    return static_cast<frontespizio *>(
        load(QStringLiteral("frontespizio"), [this] { return new frontespizio(*this); }));
}

QWidget *Program::window(const QString &name)
{
    if (name == QLatin1String("stimaabitanti"))
        return projection();
    if (name == QLatin1String("frontespizio"))
        return titlePageWindow();
    if (name == QLatin1String("frmSplash"))
        return splash();
    return load(name, [this, &name]() -> QWidget * {
        if (name == QLatin1String("sommario"))
            return new sommario(*this);
        if (name == QLatin1String("frmTip"))
            return new frmTip(*this);
        if (name == QLatin1String("informaz"))
            return new informaz(*this);
        if (name == QLatin1String("supportoclienti"))
            return new supportoclienti(*this);
        const qsizetype page = GuidePage::windowNames().indexOf(name);
        return new GuidePage(*this, page < 0 ? 0 : int(page));
    });
}

TitlePageLink &Program::titlePage()
{
    return *m_titlePageLink;
}

void Program::officeChanged(const QString &oldName, const QString &oldAddress)
{
    if (auto *w = qobject_cast<frontespizio *>(loaded(QStringLiteral("frontespizio"))))
        w->model().officeChanged(oldName, oldAddress);
}

void Program::unload(const QString &name)
{
    QPointer<QWidget> w = m_windows.take(name);
    if (!w)
        return;
    w->hide();
    w->deleteLater();
    quitIfNothingVisible();
}

void Program::forget(QWidget *window)
{
    for (auto it = m_windows.begin(); it != m_windows.end(); ++it) {
        if (it.value() == window) {
            m_windows.erase(it);
            break;
        }
    }
    quitIfNothingVisible();
}

bool Program::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow())
        quitIfNothingVisible();
    return QObject::eventFilter(watched, event);
}

void Program::quitIfNothingVisible()
{
    // Checked once the current handler has finished: the confirmed exit shows
    // the splash again right after unloading the other windows.
    QTimer::singleShot(0, this, [this] {
        for (const QPointer<QWidget> &w : std::as_const(m_windows)) {
            if (w && w->isVisible())
                return;
        }
        emit nothingVisible();
        if (m_quitWhenEmpty)
            QCoreApplication::quit();
    });
}

void Program::keepRecoveryCopies(bool keep)
{
    m_recovery = keep ? std::make_unique<RecoveryKeeper>(m_messenger) : nullptr;
    if (m_recovery && loaded(QStringLiteral("stimaabitanti")))
        m_recovery->watch(&projection()->model());
}

void Program::openPendingStudy()
{
    // A study left unarchived by a run that did not end well comes first:
    // taken back, it is not replaced by the file named on the command line.
    if (m_recovery && !std::exchange(m_recoveryOffered, true) && m_recovery->offer()) {
        m_studyToOpen.clear();
        return;
    }
    if (m_studyToOpen.isEmpty())
        return;
    const QString path = std::exchange(m_studyToOpen, QString());
    projection()->model().apriDaFuori(path);
}

namespace Modulo {

void OpenProjectionWindow()
{
    stimaabitanti *w = Program::instance().projection();
    w->show();
    w->raise();
    w->activateWindow();
    // Once the handler that opened the window is done (the splash's click
    // included): a question asked in the middle of it would leave the
    // splash in front.
    QTimer::singleShot(0, &Program::instance(), [] {
        Program &program = Program::instance();
        program.openPendingStudy();
        // A question may have brought another window forward.
        if (QWidget *projection = program.loaded(QStringLiteral("stimaabitanti"))) {
            projection->raise();
            projection->activateWindow();
        }
    });
}

void OpenTitlePageWindow()
{
    frontespizio *w = Program::instance().titlePageWindow();
    w->show();
    w->raise();
    w->activateWindow();
}

void ShowWindow(const QString &name)
{
    QWidget *w = Program::instance().window(name);
    w->show();
    w->raise();
    w->activateWindow();
}

QAction *AddAction(QMenu *menu, const QString &name, const QString &caption, std::function<void()> handler)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(name);
    QObject::connect(a, &QAction::triggered, menu, std::move(handler));
    return a;
}

void AddHelpMenu(QWidget *window, const QString &tipName, const QString &tipCaption)
{
    auto *main = qobject_cast<QMainWindow *>(window);
    QMenu *help = main->menuBar()->addMenu(QStringLiteral("&?"));
    help->setObjectName(QStringLiteral("help"));
    auto add = [help](const QString &name, const QString &caption, const QString &target) {
        AddAction(help, name, caption, [target] { ShowWindow(target); });
    };
    add(QStringLiteral("guida"), QStringLiteral("&Guida in linea"), QStringLiteral("sommario"));
    add(tipName, tipCaption, QStringLiteral("frmTip"));
    help->addSeparator();
    add(QStringLiteral("supporto"), QStringLiteral("Supporto &prodotto"), QStringLiteral("supportoclienti"));
    add(QStringLiteral("informazioni"), QStringLiteral("&Informazioni su Vicania"), QStringLiteral("informaz"));
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
    for (const QString &name : Program::exitOrder())
        program.unload(name);
    frmSplash *splash = program.splash();
    program.music().play();
    splash->show();
    splash->raise();
    splash->activateWindow();
    splash->setClosingText();
}

} // namespace Modulo
