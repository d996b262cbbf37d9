#include "frmSplash.h"

#include "TownPicture.h"
#include "core/AppGlobals.h"
#include "core/Modulo.h"
#include "core/Music.h"
#include "widgets/Controls.h"
#include "widgets/Look.h"
#include "widgets/WindowHost.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

namespace {

using Controls::Control;
using Controls::dressed;
using Controls::Kind;
using Controls::own;

const QString kPresenta = QString(24, u' ') + QStringLiteral("presenta");
const QString kClosing = QString(7, u' ') + QStringLiteral("elaborazione eseguita con");
const QString kHint = QStringLiteral("(cliccare sulla finestra per iniziare; premere un tasto per uscire)");

QLabel *splashLabel(QWidget *control)
{
    auto *label = static_cast<QLabel *>(control);
    // Clicks on a text reach the window's own handler.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// A side of the yellow frame, 255 twips thick.
void frameSide(QWidget *control)
{
    Look::paint(splashLabel(control), Look::bgr(Look::kYellow));
}

QWidget *picture(QWidget *parent, const Control &)
{
    return new TownPicture(parent);
}

// The yellow outline around the edition.
QWidget *outline(QWidget *parent, const Control &)
{
    auto *shape = new QFrame(parent);
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    shape->setStyleSheet(QStringLiteral("QFrame#Shape1 { border: 1px solid #ffff00; background: transparent; }"));
    return shape;
}

// Yellow text on the black window.
void yellowText(QWidget *control, const QFont &font, Qt::Alignment align = Qt::AlignCenter)
{
    QLabel *label = splashLabel(control);
    label->setFont(font);
    label->setAlignment(align);
    Look::paint(label, QColor(), Look::bgr(Look::kYellow));
}

void heading(QWidget *control)
{
    yellowText(control, Look::font(QStringLiteral("Arial"), 21.75, true, true));
}

void presents(QWidget *control)
{
    yellowText(control, Look::font(QStringLiteral("MS Sans Serif"), 12), Qt::AlignLeft | Qt::AlignVCenter);
}

void programName(QWidget *control)
{
    yellowText(control, Look::font(QStringLiteral("Arial Black"), 27.75, true));
}

void description(QWidget *control)
{
    yellowText(control, Look::font(QStringLiteral("MS Sans Serif"), 12));
}

void plain(QWidget *control)
{
    yellowText(control, Look::font(QStringLiteral("MS Sans Serif"), 8.25));
}

void smallPrint(QWidget *control)
{
    yellowText(control, Look::font(QStringLiteral("Arial"), 8.25));
}

// The labels keep the numbers of the design; there is no label 6.
std::vector<Control> controls()
{
    return {
        dressed(Kind::Label, "label_0", {}, {}, {0, 0, 8775, 255}, frameSide),
        dressed(Kind::Label, "label_9", {}, {}, {240, 5160, 8295, 255}, frameSide),
        dressed(Kind::Label, "label_10", {}, {}, {8520, 255, 255, 5175}, frameSide),
        dressed(Kind::Label, "label_11", {}, {}, {0, 255, 255, 5175}, frameSide),
        own("Image1", {}, {480, 600, 2295, 3225}, picture),
        own("Shape1", {}, {3720, 3000, 4050, 350}, outline),
        dressed(Kind::Label, "label_1", {}, {}, {3000, 420, 5280, 540}, heading),
        dressed(Kind::Label, "label_2", kPresenta, {}, {3240, 1080, 4800, 330}, presents),
        dressed(Kind::Label, "label_3", " ", {}, {3000, 1500, 5280, 780}, programName),
        dressed(Kind::Label, "label_4", {}, {}, {3000, 2400, 5280, 420}, description),
        dressed(Kind::Label, "label_5", {}, {}, {3735, 3015, 4020, 320}, plain),
        dressed(Kind::Label, "label_7", {}, {}, {3000, 3720, 5280, 255}, smallPrint),
        dressed(Kind::Label, "label_8", kHint, {}, {3000, 4560, 5280, 300}, plain),
    };
}

} // namespace

frmSplash::frmSplash(WindowHost &host) : QWidget(nullptr, Qt::FramelessWindowHint), m_host(host)
{
    setAttribute(Qt::WA_DeleteOnClose);
    build();
    Form_Load();
}

void frmSplash::build()
{
    setFixedSize(Look::px(8790), Look::px(5415));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    Look::paint(this, Look::bgr(Look::kBlack), Look::bgr(Look::kYellow));
    setFocusPolicy(Qt::StrongFocus);
    Controls::buildAll(this, controls());
    for (std::size_t i = 0; i < m_labels.size(); ++i)
        m_labels[i] = findChild<QLabel *>(QStringLiteral("label_%1").arg(i));
}

void frmSplash::Form_Load()
{
    Music &music = m_host.music();
    music.open(kMusicFile);
    music.play();
    Modulo::InitDialogTitles();
    Modulo::InitProgramGlobals();
    const AppGlobals &g = appGlobals();
    label(3)->setText(g.ProgramName);
    label(4)->setText(g.ProgramDescription);
    label(5)->setText(QStringLiteral("EDIZIONE PROFESSIONALE - VERSIONE ") + g.ProgramVersion);
}

void frmSplash::setClosingText()
{
    label(2)->setText(kClosing);
}

void frmSplash::Form_Click()
{
    m_host.music().pause();
    m_host.showWindow(WindowId::stimaabitanti);
}

void frmSplash::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Form_Click();
}

void frmSplash::keyPressEvent(QKeyEvent *event)
{
    // Only keys that type a character, as a key press on a form.
    if (event->text().isEmpty() || !event->text().at(0).isPrint()) {
        if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter && event->key() != Qt::Key_Escape)
            return QWidget::keyPressEvent(event);
    }
    m_host.music().close();
    m_unloading = true;
    m_host.unload(WindowId::frmSplash);
}

void frmSplash::closeEvent(QCloseEvent *event)
{
    // Closed by the system (Alt+F4): the same as a key press.
    if (!m_unloading) {
        m_host.music().close();
        m_host.forget(this);
    }
    event->accept();
}
