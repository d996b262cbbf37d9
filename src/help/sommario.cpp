#include "sommario.h"

#include <QFontMetrics>

#include "GuidePage.h"
#include "GuideTexts.h"
#include "core/AppGlobals.h"
#include "output/Outputs.h"
#include "scaling/clsResize.h"
#include "widgets/Controls.h"
#include "widgets/Look.h"
#include "widgets/WindowHost.h"
#include "word/DocumentOutput.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QColor kPaleYellow(255, 255, 192);
const QColor kLightBlue(0, 255, 255);

using Controls::Control;
using Controls::dressed;
using Controls::Kind;

void heading(QWidget *control)
{
    auto *label = static_cast<QLabel *>(control);
    label->setFont(Look::font(QStringLiteral("MS Sans Serif"), 12, true));
    label->setAlignment(Qt::AlignCenter);
    Look::paint(label, kLightBlue, Qt::black);
}

// Turns bold under the pointer; its events reach the window (see wireTopic).
void topic(QWidget *control)
{
    auto *label = static_cast<QLabel *>(control);
    label->setFrameShape(QFrame::Box);
    label->setMouseTracking(true);
    Look::paint(label, kLightBlue, Qt::black);
}

// Each topic: an arrow button and its label, both opening the topic.
std::vector<Control> controls()
{
    const QString headingTip = QStringLiteral("Clicca sul singolo tasto per visualizzare la relativa guida");
    const QString printTip = QStringLiteral("cliccare per avere la copia su carta del sommario");
    const QString exitTip = QStringLiteral("cliccare per uscire da ") + appGlobals().ProgramName;
    return {
        dressed(Kind::Label, "Label1", "Argomenti della guida", headingTip, {240, 240, 3375, 375}, heading),
        {Kind::Button, "puls_1", "--->", {}, {240, 960, 375, 255}},
        dressed(Kind::Label, "lbl_1", "  Manuale d'uso rapido", {}, {720, 960, 2895, 255}, topic),
        {Kind::Button, "puls_2", "--->", {}, {240, 1320, 375, 255}},
        dressed(Kind::Label, "lbl_2", "  Funzionamento del programma", {}, {720, 1320, 2895, 255}, topic),
        {Kind::Button, "puls_3", "--->", {}, {240, 1680, 375, 255}},
        dressed(Kind::Label, "lbl_3", "  Archivio dati", {}, {720, 1680, 2895, 255}, topic),
        {Kind::Button, "puls_4", "--->", {}, {240, 2520, 375, 255}},
        dressed(Kind::Label, "lbl_4", "  Dati", {}, {720, 2520, 2895, 255}, topic),
        {Kind::Button, "puls_5", "--->", {}, {240, 2880, 375, 255}},
        dressed(Kind::Label, "lbl_5", "  Risultati", {}, {720, 2880, 2895, 255}, topic),
        {Kind::Button, "puls_6", "--->", {}, {240, 3240, 375, 255}},
        dressed(Kind::Label, "lbl_6", "  Un esempio di calcolo", {}, {720, 3240, 2895, 255}, topic),
        {Kind::Button, "puls_7", "--->", {}, {240, 3600, 375, 255}},
        dressed(Kind::Label, "lbl_7", "  Finestra Frontespizio per la relazione", {}, {720, 3600, 2895, 255}, topic),
        {Kind::Button, "puls_8", "--->", {}, {240, 4800, 375, 255}},
        dressed(Kind::Label, "lbl_8", "  Suggerimento del giorno", {}, {720, 4800, 2895, 255}, topic),
        {Kind::Button, "cmdstampa", "&Stampa", printTip, {120, 6000, 1215, 375}},
        {Kind::Button, "cmdchiudi", "&Chiudi", "cliccare per chiudere la finestra", {1320, 6000, 1215, 375}},
        {Kind::Button, "Command1", "&USCITA", exitTip, {2520, 6000, 1215, 375}},
    };
}

} // namespace

WindowId sommario::topicWindow(int index)
{
    const auto pages = WindowNames::guidePages();
    if (index == 8)
        return WindowId::frmTip;
    if (index >= 1 && index <= int(pages.size()))
        return pages[std::size_t(index - 1)];
    return pages[0];
}

sommario::sommario(WindowHost &host) : QWidget(nullptr), m_host(host)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(Look::font(QStringLiteral("MS Sans Serif"), 8.25));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setMouseTracking(true);
    m_client->installEventFilter(this);
    layout->addWidget(m_client);
    Look::paint(m_client, kPaleYellow);

    Controls::buildAll(m_client, controls());
    for (int i = 1; i <= kTopicCount; ++i)
        wireTopic(i);
    Controls::onClick(this, "cmdstampa", &sommario::cmdstampa_Click);
    Controls::onClick(this, "cmdchiudi", &QWidget::hide);
    Controls::escapeClicks(this, QStringLiteral("cmdchiudi"));
    Controls::onClick(this, "Command1", [this] { m_host.confirmExit(); });

    // Load
    m_resize = clsResize::load(this, m_client, 3975, 6825);
    setWindowTitle(appGlobals().ProgramName + QStringLiteral(": guida in linea"));
}

void sommario::wireTopic(int index)
{
    QLabel *label = m_client->findChild<QLabel *>(QStringLiteral("lbl_%1").arg(index));
    label->setProperty("topic", index);
    label->setProperty("plainFont", label->font());
    label->installEventFilter(this);
    m_labels[std::size_t(index - 1)] = label;
    Controls::onClick(this, QStringLiteral("puls_%1").arg(index), [this, index] { puls_Click(index); });
}

void sommario::puls_Click(int index)
{
    m_host.showWindow(topicWindow(index));
}

void sommario::clearBold()
{
    for (QLabel *l : m_labels) {
        const QFont plain = l->property("plainFont").value<QFont>();
        if (l->font() != plain)
            l->setFont(plain);
    }
}

// The bold text is a little wider: a long topic gets a smaller size so that
// it still fits its box.
void sommario::lbl_MouseMove(int index)
{
    clearBold();
    QLabel *label = lbl(index);
    QFont f = label->font();
    f.setBold(true);
    const int room = label->contentsRect().width() - 2;
    while (QFontMetrics(f).horizontalAdvance(label->text()) > room && f.pointSizeF() > 5)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    label->setFont(f);
}

void sommario::Form_MouseMove()
{
    clearBold();
}

void sommario::lbl_MouseDown(int index)
{
    lbl(index)->setFrameShape(QFrame::NoFrame);
    puls_Click(index);
}

void sommario::lbl_MouseUp(int index)
{
    lbl(index)->setFrameShape(QFrame::Box);
}

void sommario::cmdstampa_Click()
{
    QStringList titles, texts;
    for (const WindowId id : WindowNames::guidePages()) {
        // A page not loaded is loaded for this, without showing it.
        auto *page = qobject_cast<GuidePage *>(m_host.window(id));
        titles << page->titleLabel()->text();
        texts << page->textLabel()->text();
    }
    Outputs::write(Outputs::of(OutputId::Guida), m_host.documents(), {{}, {}, titles, texts});
}

bool sommario::eventFilter(QObject *watched, QEvent *event)
{
    const QVariant topic = watched->property("topic");
    if (topic.isValid()) {
        // Handled here, so the window behind does not also see the pointer.
        const int i = topic.toInt();
        if (event->type() == QEvent::MouseMove) {
            lbl_MouseMove(i);
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress) {
            lbl_MouseDown(i);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            lbl_MouseUp(i);
            return true;
        }
    } else if (watched == m_client && event->type() == QEvent::MouseMove) {
        Form_MouseMove();
    }
    return QWidget::eventFilter(watched, event);
}

void sommario::mouseMoveEvent(QMouseEvent *event)
{
    Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

void sommario::closeEvent(QCloseEvent *event)
{
    m_host.forget(this);
    event->accept();
}
