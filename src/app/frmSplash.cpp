#include "frmSplash.h"

#include "core/AppGlobals.h"
#include "widgets/Look.h"
#include "core/Modulo.h"
#include "Music.h"
#include "Program.h"
#include "ModuloWindows.h"
#include "TownPicture.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

namespace {

const QString kPresenta = QString(24, u' ') + QStringLiteral("presenta");
const QString kClosing = QString(7, u' ') + QStringLiteral("elaborazione eseguita con");

} // namespace

frmSplash::frmSplash(Program &program) : QWidget(nullptr, Qt::FramelessWindowHint), m_program(program)
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

    auto makeLabel = [this](int index) {
        auto *l = new QLabel(this);
        l->setObjectName(QStringLiteral("label_%1").arg(index));
        // Clicks on a text reach the window's own handler.
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_labels[static_cast<std::size_t>(index)] = l;
        return l;
    };
    // The yellow frame, 255 twips thick.
    const std::array<std::array<int, 5>, 4> frame = {
        {{0, 0, 0, 8775, 255}, {9, 240, 5160, 8295, 255}, {10, 8520, 255, 255, 5175}, {11, 0, 255, 255, 5175}}};
    for (const auto &f : frame) {
        QLabel *l = makeLabel(f[0]);
        Look::place(l, f[1], f[2], f[3], f[4]);
        Look::paint(l, Look::bgr(Look::kYellow));
    }

    auto *picture = new TownPicture(this);
    picture->setObjectName(QStringLiteral("Image1"));
    Look::place(picture, 480, 600, 2295, 3225);

    auto *shape = new QFrame(this);
    shape->setObjectName(QStringLiteral("Shape1"));
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    shape->setStyleSheet(QStringLiteral("QFrame#Shape1 { border: 1px solid #ffff00; background: transparent; }"));
    Look::place(shape, 3720, 3000, 4050, 350);

    const QFont plain = Look::font(QStringLiteral("MS Sans Serif"), 8.25);
    struct Text {
        int index, left, top, width, height;
        QFont font;
        Qt::Alignment align;
    };
    const std::array<Text, 7> texts = {{
        {1, 3000, 420, 5280, 540, Look::font(QStringLiteral("Arial"), 21.75, true, true), Qt::AlignCenter},
        {2, 3240, 1080, 4800, 330, Look::font(QStringLiteral("MS Sans Serif"), 12), Qt::AlignLeft | Qt::AlignVCenter},
        {3, 3000, 1500, 5280, 780, Look::font(QStringLiteral("Arial Black"), 27.75, true), Qt::AlignCenter},
        {4, 3000, 2400, 5280, 420, Look::font(QStringLiteral("MS Sans Serif"), 12), Qt::AlignCenter},
        {5, 3735, 3015, 4020, 320, plain, Qt::AlignCenter},
        {7, 3000, 3720, 5280, 255, Look::font(QStringLiteral("Arial"), 8.25), Qt::AlignCenter},
        {8, 3000, 4560, 5280, 300, plain, Qt::AlignCenter},
    }};
    for (const Text &t : texts) {
        QLabel *l = makeLabel(t.index);
        l->setFont(t.font);
        l->setAlignment(t.align);
        Look::paint(l, QColor(), Look::bgr(Look::kYellow));
        Look::place(l, t.left, t.top, t.width, t.height);
    }
    label(2)->setText(kPresenta);
    label(3)->setText(QStringLiteral(" "));
    label(8)->setText(QStringLiteral("(cliccare sulla finestra per iniziare; premere un tasto per uscire)"));
}

void frmSplash::Form_Load()
{
    Music &music = m_program.music();
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
    m_program.music().pause();
    Modulo::OpenProjectionWindow();
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
    m_program.music().close();
    m_unloading = true;
    m_program.unload(objectName());
}

void frmSplash::closeEvent(QCloseEvent *event)
{
    // Closed by the system (Alt+F4): the same as a key press.
    if (!m_unloading) {
        m_program.music().close();
        m_program.forget(this);
    }
    event->accept();
}
