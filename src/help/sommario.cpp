#include "sommario.h"

#include "GuidePage.h"
#include "GuideTexts.h"
#include "HelpDocuments.h"
#include "core/AppGlobals.h"
#include "widgets/Look.h"
#include "app/Program.h"
#include "app/ModuloWindows.h"
#include "docs/DocumentOutput.h"
#include "scaling/clsResize.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QColor kPaleYellow(255, 255, 192);
const QColor kLightBlue(0, 255, 255);

struct Topic {
    const char *caption;
    int top;
};
constexpr std::array<Topic, sommario::kTopicCount> kTopics = {{
    {"  Manuale d'uso rapido", 960},
    {"  Funzionamento del programma", 1320},
    {"  Archivio dati", 1680},
    {"  Dati", 2520},
    {"  Risultati", 2880},
    {"  Un esempio di calcolo", 3240},
    {"  Finestra Frontespizio per la relazione", 3600},
    {"  Suggerimento del giorno", 4800},
}};

} // namespace

QString sommario::topicWindow(int index)
{
    if (index == 8)
        return QStringLiteral("frmTip");
    if (index >= 1 && index <= 7)
        return GuidePage::windowNames()[index - 1];
    return GuidePage::windowNames()[0];
}

sommario::sommario(Program &program) : QWidget(nullptr), m_program(program)
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

    auto *title = new QLabel(QStringLiteral("Argomenti della guida"), m_client);
    title->setObjectName(QStringLiteral("Label1"));
    title->setFont(Look::font(QStringLiteral("MS Sans Serif"), 12, true));
    title->setAlignment(Qt::AlignCenter);
    title->setToolTip(QStringLiteral("Clicca sul singolo tasto per visualizzare la relativa guida"));
    Look::paint(title, kLightBlue, Qt::black);
    Look::place(title, 240, 240, 3375, 375);

    for (int i = 1; i <= kTopicCount; ++i) {
        const Topic &t = kTopics[std::size_t(i - 1)];
        auto *button = new QPushButton(QStringLiteral("--->"), m_client);
        button->setObjectName(QStringLiteral("puls_%1").arg(i));
        Look::place(button, 240, t.top, 375, 255);
        connect(button, &QPushButton::clicked, this, [this, i] { puls_Click(i); });
        auto *label = new QLabel(QString::fromUtf8(t.caption), m_client);
        label->setObjectName(QStringLiteral("lbl_%1").arg(i));
        label->setFrameShape(QFrame::Box);
        label->setMouseTracking(true);
        label->setProperty("topic", i);
        label->installEventFilter(this);
        Look::paint(label, kLightBlue, Qt::black);
        Look::place(label, 720, t.top, 2895, 255);
        m_labels[std::size_t(i - 1)] = label;
    }
    struct Button {
        const char *name, *caption, *tooltip;
        int left;
    };
    const Button buttons[] = {
        {"cmdstampa", "&Stampa", "cliccare per avere la copia su carta del sommario", 120},
        {"cmdchiudi", "&Chiudi", "cliccare per chiudere la finestra", 1320},
        {"Command1", "&USCITA", "", 2520},
    };
    for (const Button &b : buttons) {
        auto *button = new QPushButton(QString::fromUtf8(b.caption), m_client);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setToolTip(QString::fromUtf8(b.tooltip));
        Look::place(button, b.left, 6000, 1215, 375);
    }
    connect(findChild<QPushButton *>(QStringLiteral("cmdstampa")), &QPushButton::clicked, this,
            &sommario::cmdstampa_Click);
    connect(findChild<QPushButton *>(QStringLiteral("cmdchiudi")), &QPushButton::clicked, this, &QWidget::hide);
    connect(findChild<QPushButton *>(QStringLiteral("Command1")), &QPushButton::clicked, this,
            [] { Modulo::ConfirmExit(); });

    // Load
    m_resize = clsResize::load(this, m_client, 3975, 6825);
    findChild<QPushButton *>(QStringLiteral("Command1"))
        ->setToolTip(QStringLiteral("cliccare per uscire da ") + appGlobals().ProgramName);
    setWindowTitle(appGlobals().ProgramName + QStringLiteral(": guida in linea"));
}

void sommario::puls_Click(int index)
{
    Modulo::ShowWindow(topicWindow(index));
}

void sommario::clearBold()
{
    for (QLabel *l : m_labels) {
        QFont f = l->font();
        if (f.bold()) {
            f.setBold(false);
            l->setFont(f);
        }
    }
}

void sommario::lbl_MouseMove(int index)
{
    clearBold();
    QFont f = lbl(index)->font();
    f.setBold(true);
    lbl(index)->setFont(f);
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
    for (const QString &name : GuidePage::windowNames()) {
        // A page not loaded is loaded for this, without showing it.
        auto *page = qobject_cast<GuidePage *>(m_program.window(name));
        titles << page->titleLabel()->text();
        texts << page->textLabel()->text();
    }
    DocumentOutput &output = m_program.documents();
    const auto document = output.create();
    HelpDocuments::contents(*document, titles, texts);
    output.deliverNamed(*document, appGlobals().ProgramName + QStringLiteral("-guida.docx"));
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
    m_program.forget(this);
    event->accept();
}
