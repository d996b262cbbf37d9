#include "Program.h"

#include "DesktopDocuments.h"
#include "RecoveryKeeper.h"
#include "chart/grafico.h"
#include "core/FileDialogs.h"
#include "core/Modulo.h"
#include "core/Music.h"
#include "frmSplash.h"
#include "help/GuidePage.h"
#include "help/InfoWindows.h"
#include "help/frmTip.h"
#include "help/sommario.h"
#include "hypotheses/ipotesi.h"
#include "output/QtChartPainter.h"
#include "projection/stimaabitanti.h"
#include "scaling/ScreenFit.h"
#include "sizing/dimensionamento.h"
#include "study/Study.h"
#include "titlepage/frontespizio.h"
#include "word/DocumentOutput.h"

#include <QApplication>
#include <QTimer>
#include <utility>

QStringList Program::exitOrder()
{
    QStringList names;
    for (WindowId id : WindowNames::exitOrder())
        names << WindowNames::name(id);
    return names;
}

Program::Program(Messenger &messenger, FileDialogs &dialogs, Music &music, DocumentOutput &documents)
    : m_messenger(messenger), m_dialogs(dialogs), m_music(music), m_documents(documents),
      m_study(std::make_unique<Study>(messenger, dialogs)), m_charts(std::make_unique<QtChartPainter>())
{
    // Studies are looked for where the documents go, until the user picks
    // another folder in a study dialog.
    m_dialogs.setStudyFolder(DesktopDocuments::defaultFolder());
    m_study->setDocumentOutput(&documents);
    m_study->setChartPainter(m_charts.get());
    connect(m_study.get(), &Study::projectionWanted, this, [this] { showWindow(WindowId::stimaabitanti); });
    connect(m_study.get(), &Study::projectionCreated, this, [this](ProjectionModel *model) {
        if (m_recovery)
            m_recovery->watch(model);
    });
}

Program::~Program()
{
    for (const QPointer<QWidget> &w : std::as_const(m_windows))
        delete w.data();
}

QWidget *Program::loaded(WindowId id) const
{
    return m_windows.value(id).data();
}

QWidget *Program::loaded(const QString &name) const
{
    const auto id = WindowNames::find(name);
    return id ? loaded(*id) : nullptr;
}

QWidget *Program::create(WindowId id)
{
    switch (id) {
    case WindowId::frmSplash:
        return new frmSplash(*this);
    case WindowId::stimaabitanti:
        return new stimaabitanti(*this, m_study->projection(), m_study->outputs());
    case WindowId::frontespizio:
        return new frontespizio(*this, m_study->titlePage(), m_study->outputs());
    case WindowId::sommario:
        return new sommario(*this);
    case WindowId::frmTip:
        return new frmTip(*this);
    case WindowId::informaz:
        return new informaz(*this);
    case WindowId::supportoclienti:
        return new supportoclienti(*this);
    case WindowId::grafico:
        return new grafico(*this, *m_study, m_dialogs, *m_charts);
    case WindowId::ipotesi:
        return new ipotesi(*this, *m_study);
    case WindowId::dimensionamento:
        return new dimensionamento(*this, *m_study);
    default:
        return new GuidePage(*this, WindowNames::guidePageIndex(id));
    }
}

QWidget *Program::window(WindowId id)
{
    if (QWidget *w = loaded(id))
        return w;
    QWidget *w = create(id);
    const QString name = WindowNames::name(id);
    w->setObjectName(name);
    // However a window goes (unloaded, closed, hidden by its own button),
    // the program ends if it was the last one visible.
    w->installEventFilter(this);
    m_windows.insert(id, w);
    emit windowLoaded(name);
    return w;
}

QWidget *Program::window(const QString &name)
{
    const auto id = WindowNames::find(name);
    if (!id) {
        qWarning("Vicania: no window is named %s", qPrintable(name));
        return nullptr;
    }
    return window(*id);
}

frmSplash *Program::splash()
{
    return static_cast<frmSplash *>(window(WindowId::frmSplash));
}

stimaabitanti *Program::projection()
{
    return static_cast<stimaabitanti *>(window(WindowId::stimaabitanti));
}

frontespizio *Program::titlePageWindow()
{
    return static_cast<frontespizio *>(window(WindowId::frontespizio));
}

TitlePageModel &Program::titlePage()
{
    return m_study->titlePage();
}

namespace {

void bringForward(QWidget *w)
{
    w->show();
    ScreenFit::keepOnScreen(w);
    w->raise();
    w->activateWindow();
}

// The small windows that keep their place while hidden.
bool keepsPlace(WindowId id)
{
    return id == WindowId::frmTip || id == WindowId::informaz || id == WindowId::supportoclienti;
}

} // namespace

// A small window goes back where the user left it; the first time it opens
// over the window it was asked from.
void Program::place(WindowId id, QWidget *w)
{
    if (!keepsPlace(id) || w->isVisible())
        return;
    if (m_places.contains(id)) {
        w->move(m_places.value(id));
        return;
    }
    const QWidget *opener = QApplication::activeWindow();
    ScreenFit::centreOver(w, opener && opener != w ? opener : nullptr);
}

void Program::showWindow(WindowId id)
{
    QWidget *w = window(id);
    place(id, w);
    bringForward(w);
    if (id != WindowId::stimaabitanti)
        return;
    // Once the handler that opened the window is done (the splash's click
    // included): a question asked in the middle of it would leave the
    // splash in front.
    QTimer::singleShot(0, this, [this] {
        openPendingStudy();
        // A question may have brought another window forward.
        if (QWidget *projection = loaded(WindowId::stimaabitanti)) {
            projection->raise();
            projection->activateWindow();
        }
    });
}

// The study's half of an unloaded window starts afresh at the next use.
void Program::resetHalf(WindowId id)
{
    if (id == WindowId::stimaabitanti)
        m_study->resetProjection();
    else if (id == WindowId::frontespizio)
        m_study->resetTitlePage();
}

void Program::unload(WindowId id)
{
    resetHalf(id);
    QPointer<QWidget> w = m_windows.take(id);
    if (!w)
        return;
    w->hide();
    w->deleteLater();
    quitIfNothingVisible();
}

void Program::unload(const QString &name)
{
    if (const auto id = WindowNames::find(name))
        unload(*id);
}

void Program::forget(QWidget *window)
{
    for (auto it = m_windows.begin(); it != m_windows.end(); ++it) {
        if (it.value() == window) {
            resetHalf(it.key());
            m_windows.erase(it);
            break;
        }
    }
    quitIfNothingVisible();
}

void Program::confirmExit()
{
    if (Modulo::askConfirmExit(m_messenger))
        leaveToSplash();
}

// Unloads every window, resumes the music and shows the splash with its
// closing text.
void Program::leaveToSplash()
{
    // Yes to the question whose title warns that unarchived data are lost.
    if (m_recovery)
        m_recovery->discard();
    for (WindowId id : WindowNames::exitOrder())
        unload(id);
    frmSplash *screen = splash();
    m_music.play();
    bringForward(screen);
    screen->setClosingText();
}

void Program::openStudy(const QString &path)
{
    projection()->model().files().apriDaFuori(path);
}

void Program::officeChanged(const QString &oldName, const QString &oldAddress)
{
    m_study->officeChanged(oldName, oldAddress);
}

void Program::printGuidePage(const QString &title, const QString &text)
{
    m_study->outputs().guide(OutputId::PaginaGuida, {title}, {text});
}

bool Program::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow()) {
        auto *w = static_cast<QWidget *>(watched);
        if (const auto id = WindowNames::find(w->objectName()); id && keepsPlace(*id))
            m_places.insert(*id, w->pos());
        quitIfNothingVisible();
    }
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
    if (m_recovery && m_study->hasProjection())
        m_recovery->watch(&m_study->projection());
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
    projection()->model().files().apriDaFuori(path);
}
