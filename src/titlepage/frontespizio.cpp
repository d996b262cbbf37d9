#include "frontespizio.h"

#include "widgets/OfficeDialog.h"
#include "core/AppGlobals.h"
#include "widgets/Look.h"
#include "widgets/MainToolbar.h"
#include "core/Messenger.h"
#include "app/Program.h"
#include "widgets/StudyDrop.h"
#include "projection/stimaabitanti.h"
#include "scaling/clsResize.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>

using TF = TitlePageModel::Field;

namespace {

constexpr unsigned kGrey = 0x00808080;
constexpr unsigned kDarkGrey = 0x00404040;
constexpr unsigned kOfficeCyan = 0x00FFFF80;
constexpr unsigned kLightGrey = 0x00C0C0C0;

ProjectionModel &projectionModel()
{
    return Program::instance().projection()->model();
}

} // namespace

frontespizio::frontespizio(Program &program, QWidget *parent)
    : QMainWindow(parent), m_program(program),
      m_model(program.messenger(),
              {[] { return projectionModel().popolazione(); }, [] { Modulo::OpenProjectionWindow(); },
               []() -> const ProjectionModel & { return projectionModel(); }})
{
    m_model.setDocumentOutput(&program.documents());
    StudyDrop::install(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Vicania: frontespizio per la relazione"));
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);
    setFont(Look::font(QStringLiteral("MS Sans Serif"), 8.25));
    Look::paint(m_client, Look::bgr(kGrey));
    resize(Look::px(9600), Look::px(6825));
    buildToolbar();
    buildFields();
    buildButtons();
    buildMenus();
    connect(&m_model, &TitlePageModel::changed, this, &frontespizio::update_display);
    Look::plainLabels(this);
    Form_Load();
}

void frontespizio::Form_Load()
{
    m_resize = clsResize::load(this, m_client, 9600, 6825);
    update_display();
}

void frontespizio::buildFields()
{
    auto *title = new QLabel(QStringLiteral(" Simulazione del numero degli abitanti in un luogo"), m_client);
    title->setObjectName(QStringLiteral("Label1"));
    title->setFont(Look::font(QStringLiteral("MS Sans Serif"), 13.5));
    Look::paint(title, Look::bgr(kDarkGrey), Look::bgr(Look::kYellow));
    title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Look::place(title, 1200, 840, 7095, 495);

    const std::array<int, 9> rows = {1920, 2160, 2400, 2640, 2880, 3120, 3360, 4080, 4440};
    for (int i = 0; i < 9; ++i) {
        auto *caption = new QLabel(TitlePageModel::labelCaption(i), m_client);
        caption->setObjectName(QStringLiteral("Label_%1").arg(i + 1));
        caption->setToolTip(TitlePageModel::labelTooltip(i));
        Look::paint(caption, Look::bgr(Look::kYellow), Qt::black);
        Look::place(caption, 1200, rows[static_cast<std::size_t>(i)], 1695, 240);
    }
    for (int i = 0; i < TitlePageModel::kFieldCount; ++i) {
        const auto field = static_cast<TF>(i);
        auto *edit = new QLineEdit(m_client);
        edit->setObjectName(TitlePageModel::fieldName(field));
        edit->setFrame(false);
        Look::paint(edit, Qt::white, Qt::black);
        Look::place(edit, 3000, rows[static_cast<std::size_t>(i)], 5295, 285);
        connect(edit, &QLineEdit::textEdited, this, [this, field](const QString &t) { m_model.setText(field, t); });
        m_fields[static_cast<std::size_t>(i)] = edit;
    }
    auto office = [this](const QString &name, int top) {
        auto *l = new QLabel(m_client);
        l->setObjectName(name);
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        Look::paint(l, Look::bgr(kOfficeCyan), Qt::black);
        Look::place(l, 3000, top, 5295, 285);
        return l;
    };
    m_labelstudio = office(QStringLiteral("labelstudio"), 4080);
    m_labelindirizzo = office(QStringLiteral("labelindirizzo"), 4440);

    m_passo = new QLabel(m_client);
    m_passo->setObjectName(QStringLiteral("passo"));
    m_passo->setToolTip(QStringLiteral("indicazioni sulla corretta procedura di immissione dei dati"));
    m_passo->setWordWrap(true);
    m_passo->setAlignment(Qt::AlignCenter);
    Look::paint(m_passo, Look::bgr(Look::kYellow), Qt::black);
    Look::place(m_passo, 2400, 5640, 4695, 450);
}

void frontespizio::buildButtons()
{
    auto make = [this](const QString &name, const QString &caption, const QString &tooltip, int left,
                       QStyle::StandardPixmap picture, bool withPicture) {
        auto *b = new QPushButton(caption, m_client);
        b->setObjectName(name);
        b->setToolTip(tooltip);
        if (withPicture)
            b->setIcon(style()->standardIcon(picture));
        Look::place(b, left, 5760, 1095, 375);
        return b;
    };
    QPushButton *aiuto = make(QStringLiteral("aiuto"), QStringLiteral("&Aiuto"),
                              QStringLiteral("Clicca per avere indicazioni sulla immissione dei dati"), 120,
                              QStyle::SP_MessageBoxQuestion, true);
    Look::paint(aiuto, Look::bgr(kLightGrey));
    QPushButton *calcolo =
        make(QStringLiteral("Command1"), QStringLiteral("&Calcolo"),
             QStringLiteral("Clicca per tornare alla finestra di calcolo"), 1200, QStyle::SP_ArrowBack, false);
    QPushButton *stampa = make(QStringLiteral("stampa"), QStringLiteral("&Stampa"),
                               QStringLiteral("Clicca per stampare la relazione"), 7200, QStyle::SP_FileIcon, true);
    connect(stampa, &QPushButton::clicked, this, [this] { m_model.stampa_Click(); });
    QPushButton *esci = make(QStringLiteral("cmdesci"), QStringLiteral("Us&cita"),
                             QStringLiteral("Clicca per uscire da Vicania"), 8280, QStyle::SP_DialogCloseButton, true);
    connect(aiuto, &QPushButton::clicked, this, &frontespizio::aiuto_Click);
    connect(calcolo, &QPushButton::clicked, this, &frontespizio::Command1_Click);
    connect(esci, &QPushButton::clicked, this, [] { Modulo::ConfirmExit(); });

    auto f = [this](TF field) { return m_fields[static_cast<std::size_t>(field)]; };
    const std::array<QWidget *, 11> order = {aiuto,
                                             f(TF::ricerca),
                                             f(TF::localita),
                                             f(TF::tipostudio),
                                             f(TF::committente),
                                             f(TF::luogo),
                                             stampa,
                                             esci,
                                             f(TF::data),
                                             f(TF::allegati),
                                             calcolo};
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void frontespizio::buildToolbar()
{
    MainToolbar::build(m_client, 9600, QStringLiteral("cancella dati finestra"),
                       [this](int position) { Toolbar1_ButtonClick(position); });
}

void frontespizio::buildMenus()
{
    const auto add = &Modulo::AddAction;
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("file"));
    add(file, QStringLiteral("apri"), QStringLiteral("&Apri..."), [] { projectionModel().aprifile_Click(); });
    file->addSeparator();
    add(file, QStringLiteral("salva"), QStringLiteral("&Salva"), [] { projectionModel().scrivoArchivio(); });
    add(file, QStringLiteral("salvanome"), QStringLiteral("Salva con &nome..."),
        [] { projectionModel().scrivoArchivio(); });
    file->addSeparator();
    add(file, QStringLiteral("elimina"), QStringLiteral("&Elimina..."), [] { projectionModel().eliminare_click(); });
    file->addSeparator();
    QMenu *print = file->addMenu(QStringLiteral("S&tampa"));
    print->setObjectName(QStringLiteral("stamp"));
    add(print, QStringLiteral("solodati"), QStringLiteral("&solo dati finestra"), [this] { m_model.solodati_Click(); });
    add(print, QStringLiteral("stampatutto"), QStringLiteral("&intera elaborazione"),
        [this] { m_model.stampa_Click(); });
    file->addSeparator();
    add(file, QStringLiteral("esci"), QStringLiteral("Es&ci"), [] { Modulo::ConfirmExit(); });

    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Modifica"));
    edit->setObjectName(QStringLiteral("modi"));
    add(edit, QStringLiteral("controllodat"), QStringLiteral("Controllo &dati immessi"),
        [this] { m_model.controlloFrontespizio(); });
    edit->addSeparator();
    add(edit, QStringLiteral("cancella"), QStringLiteral("C&ancella dati finestra"),
        [this] { m_model.cancella_click(); });
    edit->addSeparator();
    add(edit, QStringLiteral("studio"), QStringLiteral("S&tudio professionale..."),
        [this] { OfficeDialog::edit(this); });
    Modulo::AddHelpMenu(this, QStringLiteral("sugger"), QStringLiteral("&Suggerimenti..."));
}

QString frontespizio::helpText()
{
    return QStringList{
        QStringLiteral("- Digitare o correggere i dati spostandosi con il tasto TAB, o con il mouse, nei campi;"),
        QStringLiteral("- la data viene impostata in automatico, ma è modificabile;"),
        QStringLiteral(
            "- aprire un file archiviato per prelevare, eventualmente, i dati registrati (Vicania-dati-...);"),
        QStringLiteral("- non digitare dati più lunghi di 60 spazi;"),
        QStringLiteral("- effettuare il controllo dei dati immessi cliccando sul tasto ABC.")}
        .join(u'\r');
}

void frontespizio::aiuto_Click()
{
    m_program.messenger().show({helpText(), appGlobals().HelpTitle, Message::Icon::Information});
}

void frontespizio::Command1_Click()
{
    Modulo::OpenProjectionWindow();
}

void frontespizio::Toolbar1_ButtonClick(int position)
{
    switch (position) {
    case 1:
        projectionModel().aprifile_Click();
        break;
    case 2:
        projectionModel().salvafile_Click();
        break;
    case 3:
        projectionModel().eliminare_click();
        break;
    case 4:
        m_model.stampa_Click();
        break;
    case 6:
        Modulo::OpenProjectionWindow();
        break;
    case 7:
        m_program.messenger().show({QStringLiteral("E' questa la finestra per il Frontespizio della relazione!"),
                                    appGlobals().HelpTitle, Message::Icon::Exclamation});
        break;
    case 9:
    case 10:
    case 11:
    case 12:
        Modulo::ShowWindow(MainToolbar::helpWindow(position));
        break;
    case 14:
        m_model.controlloFrontespizio();
        break;
    case 15:
        m_model.cancella_click();
        break;
    case 16:
        Modulo::ConfirmExit();
        break;
    default:
        break; // separators, and the windows still to come
    }
}

void frontespizio::update_display()
{
    for (int i = 0; i < TitlePageModel::kFieldCount; ++i) {
        QLineEdit *edit = m_fields[static_cast<std::size_t>(i)];
        const QString t = m_model.text(static_cast<TF>(i));
        if (edit->text() != t)
            edit->setText(t);
    }
    m_labelstudio->setText(m_model.labelstudio());
    m_labelindirizzo->setText(m_model.labelindirizzo());
    m_passo->setText(m_model.passo());
}

void frontespizio::closeEvent(QCloseEvent *event)
{
    m_program.forget(this);
    event->accept();
}
