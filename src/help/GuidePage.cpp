#include "GuidePage.h"

#include "GuideTexts.h"
#include "scaling/clsResize.h"
#include "widgets/Controls.h"
#include "widgets/Look.h"
#include "widgets/WindowHost.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using Controls::Control;
using Controls::dressed;
using Controls::Kind;

const QColor kPaleYellow(255, 255, 192);

void title(QWidget *control)
{
    auto *label = static_cast<QLabel *>(control);
    label->setFont(Look::font(QStringLiteral("MS Sans Serif"), 8.25, true));
    Look::paint(label, kPaleYellow, QColor(0, 0, 255));
}

void text(QWidget *control)
{
    auto *label = static_cast<QLabel *>(control);
    label->setFont(Look::font(QStringLiteral("MS Sans Serif"), 9.75));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::paint(label, kPaleYellow, Qt::black);
}

std::vector<Control> controls(int page)
{
    const bool manual = page == 0;
    // The manual and the example page explain their buttons.
    const bool tips = manual || page == 5;
    const QString contentsTip = tips ? QStringLiteral("cliccare per visualizzare il sommario della guida") : QString();
    const QString printTip = !tips    ? QString()
                             : manual ? QStringLiteral("cliccare per avere la copia su carta del MANUALE D'USO RAPIDO")
                                      : QStringLiteral("cliccare per stampare la finestra");
    const QString closeTip = tips ? QStringLiteral("cliccare per chiudere la finestra") : QString();
    // The manual is wider.
    const Controls::Place textPlace =
        manual ? Controls::Place{240, 960, 9015, 5280} : Controls::Place{120, 960, 5175, 5300};
    return {
        {Kind::Button, "cmdSommario", "&Sommario", contentsTip, {120, 120, 1215, 375}},
        {Kind::Button, "cmdStampa", "S&tampa", printTip, {1320, 120, 1215, 375}},
        {Kind::Button, "cmdChiudi", "&Chiudi", closeTip, {2520, 120, 1215, 375}},
        dressed(Kind::Label, "Label1", GuideTexts::title(page), {}, {120, 600, manual ? 9015 : 5175, 255}, title),
        dressed(Kind::Label, "Label2", GuideTexts::text(page), {}, textPlace, text),
    };
}

} // namespace

const QStringList &GuidePage::windowNames()
{
    return GuideTexts::windowNames();
}

GuidePage::GuidePage(WindowHost &host, int page) : QWidget(nullptr), m_host(host), m_page(page)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Guida in linea"));
    setFont(Look::font(QStringLiteral("MS Sans Serif"), 8.25));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    layout->addWidget(m_client);
    Look::paint(m_client, kPaleYellow);

    Controls::buildAll(m_client, controls(page));
    Controls::onClick(this, "cmdSommario", &GuidePage::cmdSommario_Click);
    Controls::onClick(this, "cmdStampa", &GuidePage::cmdStampa_Click);
    Controls::onClick(this, "cmdChiudi", &GuidePage::cmdChiudi_Click);
    Controls::escapeClicks(this, QStringLiteral("cmdChiudi"));
    m_title = m_client->findChild<QLabel *>(QStringLiteral("Label1"));
    m_text = m_client->findChild<QLabel *>(QStringLiteral("Label2"));
    Look::plainLabels(this);
    Form_Load();
}

void GuidePage::Form_Load()
{
    const bool manual = m_page == 0;
    m_resize = clsResize::load(this, m_client, manual ? 9600 : 5640, 6825);
    if (!manual)
        move(Look::px(5467), y());
}

bool GuidePage::hidesOnClose() const
{
    return m_page == 1 || m_page == 3;
}

void GuidePage::cmdSommario_Click()
{
    m_host.showWindow(WindowId::sommario);
}

void GuidePage::cmdStampa_Click()
{
    m_host.printGuidePage(m_title->text(), m_text->text());
}

void GuidePage::cmdChiudi_Click()
{
    if (hidesOnClose())
        hide();
    else
        m_host.unload(WindowNames::guidePages()[std::size_t(m_page)]);
}

void GuidePage::closeEvent(QCloseEvent *event)
{
    m_host.forget(this);
    event->accept();
}
