#include "GuidePage.h"

#include "GuideTexts.h"
#include "widgets/Look.h"
#include "app/Program.h"
#include "app/ModuloWindows.h"
#include "core/Modulo.h"
#include "scaling/clsResize.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QColor kPaleYellow(255, 255, 192);

} // namespace

const QStringList &GuidePage::windowNames()
{
    return GuideTexts::windowNames();
}

GuidePage::GuidePage(Program &program, int page) : QWidget(nullptr), m_program(program), m_page(page)
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

    const bool manual = page == 0;
    struct Button {
        const char *name;
        const char *caption;
        int left;
        void (GuidePage::*handler)();
    };
    const Button buttons[] = {{"cmdSommario", "&Sommario", 120, &GuidePage::cmdSommario_Click},
                              {"cmdStampa", "S&tampa", 1320, &GuidePage::cmdStampa_Click},
                              {"cmdChiudi", "&Chiudi", 2520, &GuidePage::cmdChiudi_Click}};
    for (const Button &b : buttons) {
        auto *button = new QPushButton(QString::fromUtf8(b.caption), m_client);
        button->setObjectName(QString::fromLatin1(b.name));
        Look::place(button, b.left, 120, 1215, 375);
        connect(button, &QPushButton::clicked, this, b.handler);
    }
    // Tooltips on the manual and on the example page.
    if (manual || page == 5) {
        findChild<QPushButton *>(QStringLiteral("cmdSommario"))
            ->setToolTip(QStringLiteral("cliccare per visualizzare il sommario della guida"));
        findChild<QPushButton *>(QStringLiteral("cmdChiudi"))
            ->setToolTip(QStringLiteral("cliccare per chiudere la finestra"));
        findChild<QPushButton *>(QStringLiteral("cmdStampa"))
            ->setToolTip(manual ? QStringLiteral("cliccare per avere la copia su carta del MANUALE D'USO RAPIDO")
                                : QStringLiteral("cliccare per stampare la finestra"));
    }

    m_title = new QLabel(GuideTexts::title(page), m_client);
    m_title->setObjectName(QStringLiteral("Label1"));
    m_title->setFont(Look::font(QStringLiteral("MS Sans Serif"), 8.25, true));
    Look::paint(m_title, kPaleYellow, QColor(0, 0, 255));
    Look::place(m_title, 120, 600, manual ? 9015 : 5175, 255);

    m_text = new QLabel(GuideTexts::text(page), m_client);
    m_text->setObjectName(QStringLiteral("Label2"));
    m_text->setFont(Look::font(QStringLiteral("MS Sans Serif"), 9.75));
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::paint(m_text, kPaleYellow, Qt::black);
    if (manual)
        Look::place(m_text, 240, 960, 9015, 5280);
    else
        Look::place(m_text, 120, 960, 5175, 5300);
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
    Modulo::ShowWindow(QStringLiteral("sommario"));
}

void GuidePage::cmdStampa_Click()
{
    Modulo::GuidePageTitle = m_title->text();
    Modulo::GuidePageText = m_text->text();
    Modulo::PrintGuidePage();
}

void GuidePage::cmdChiudi_Click()
{
    if (hidesOnClose())
        hide();
    else
        m_program.unload(objectName());
}

void GuidePage::closeEvent(QCloseEvent *event)
{
    m_program.forget(this);
    event->accept();
}
