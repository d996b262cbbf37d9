#include "frontespizio.h"

#include "TitlePageTexts.h"
#include "core/AppGlobals.h"
#include "core/Messenger.h"
#include "output/OutputRunner.h"
#include "projection/ProjectionModel.h"
#include "scaling/clsResize.h"
#include "widgets/Look.h"
#include "widgets/OfficeDialog.h"
#include "widgets/StudyDrop.h"
#include "widgets/WindowHost.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

using TF = TitlePageModel::Field;
using Controls::Control;
using Controls::Kind;
using Controls::LabelLook;

namespace {

constexpr unsigned kGrey = 0x00808080;
constexpr unsigned kDarkGrey = 0x00404040;
constexpr unsigned kOfficeCyan = 0x00FFFF80;
constexpr unsigned kLightGrey = 0x00C0C0C0;

// The tops of the nine rows: seven text boxes, then the office's two labels.
constexpr std::array<int, 9> kRows = {1920, 2160, 2400, 2640, 2880, 3120, 3360, 4080, 4440};

std::vector<Control> controls()
{
    const LabelLook caption = LabelLook().colours(Look::bgr(Look::kYellow), Qt::black);
    const LabelLook office =
        LabelLook().framed(QFrame::Panel, QFrame::Sunken).colours(Look::bgr(kOfficeCyan), Qt::black);
    std::vector<Control> rows = {{Kind::Label,
                                  "Label1",
                                  " Simulazione del numero degli abitanti in un luogo",
                                  {},
                                  {1200, 840, 7095, 495},
                                  LabelLook().colours(Look::bgr(kDarkGrey), Look::bgr(Look::kYellow))}};
    for (int i = 0; i < 9; ++i)
        rows.push_back({Kind::Label,
                        QStringLiteral("Label_%1").arg(i + 1),
                        TitlePageModel::labelCaption(i),
                        TitlePageModel::labelTooltip(i),
                        {1200, kRows[std::size_t(i)], 1695, 240},
                        caption});
    for (int i = 0; i < TitlePageModel::kFieldCount; ++i)
        rows.push_back({Kind::Edit,
                        TitlePageModel::fieldName(static_cast<TF>(i)),
                        {},
                        {},
                        {3000, kRows[std::size_t(i)], 5295, 285},
                        {},
                        TitlePageModel::labelCaption(i).trimmed()});
    rows.push_back({Kind::Label, "labelstudio", {}, {}, {3000, 4080, 5295, 285}, office});
    rows.push_back({Kind::Label, "labelindirizzo", {}, {}, {3000, 4440, 5295, 285}, office});
    rows.push_back({Kind::Label,
                    "passo",
                    {},
                    "indicazioni sulla corretta procedura di immissione dei dati",
                    {2400, 5640, 4695, 450},
                    LabelLook().align(Qt::AlignCenter).wrapped().colours(Look::bgr(Look::kYellow), Qt::black)});
    return rows;
}

} // namespace

// The menu bar: its menus, items and separators, in order.
std::vector<Command> frontespizio::menuRows()
{
    TitlePageModel &m = m_model;
    OutputRunner &o = m_outputs;
    const QString file = QStringLiteral("file"), print = QStringLiteral("stamp");
    auto save = [&m] { m.salva_Click(); };
    std::vector<Command> rows = {
        Command::submenu(file, {}, QStringLiteral("&File")),
        Command::item(
            "apri", file, "&Apri...", [&m] { m.projection().files().aprifile_Click(); }, 1, "apri file")
            .keys(QKeySequence(Qt::CTRL | Qt::Key_O)),
        Command::separator(file),
        Command::item("salva", file, "&Salva", save).keys(QKeySequence(Qt::CTRL | Qt::Key_S)),
        Command::item("salvanome", file, "Salva con &nome...", save)
            .keys(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
        Command::separator(file),
        Command::item(
            "elimina", file, "&Elimina...", [&m] { m.projection().files().eliminare_click(); }, 3, "cancella file"),
        Command::separator(file),
        Command::submenu(print, file, QStringLiteral("S&tampa")),
        Command::item("solodati", print, "&solo dati finestra", [&o] { o.run(OutputId::SoloDati); }),
        Command::item(
            "stampatutto", print, "&intera elaborazione", [&o] { o.run(OutputId::Relazione); }, 4,
            "stampa dati finestra")
            .keys(QKeySequence(Qt::CTRL | Qt::Key_P)),
        Command::item("stampagrafico", print, "intera elaborazione con &grafico",
                      [&o] { o.run(OutputId::RelazioneGrafico); }),
        Command::separator(file),
        Command::item(
            "esci", file, "Es&ci", [this] { m_host.confirmExit(); }, 16, "uscita da Vicania")
            .keys(QKeySequence(Qt::CTRL | Qt::Key_Q)),
    };
    for (Command &c : editRows())
        rows.push_back(std::move(c));
    for (Command &c : Commands::help(m_host, QStringLiteral("sugger"), QStringLiteral("&Suggerimenti...")))
        rows.push_back(std::move(c));
    return rows;
}

std::vector<Command> frontespizio::editRows()
{
    TitlePageModel &m = m_model;
    const QString edit = QStringLiteral("modi");
    return {
        Command::submenu(edit, {}, QStringLiteral("&Modifica")),
        Command::item(
            "controllodat", edit, "Controllo &dati immessi", [&m] { m.controlloFrontespizio(); }, 14,
            "controlla dati finestra"),
        Command::separator(edit),
        Command::item(
            "cancella", edit, "C&ancella dati finestra", [&m] { m.cancella_click(); }, 15, "cancella dati finestra"),
        Command::separator(edit),
        Command::item("studio", edit, "S&tudio professionale...", [this] { OfficeDialog::edit(this, m_host); }),
    };
}

// The toolbar positions no menu item has, and the buttons, in tab order.
std::vector<Command> frontespizio::buttonRows()
{
    TitlePageModel &m = m_model;
    OutputRunner &o = m_outputs;
    std::vector<Command> rows = {
        // The toolbar's save is the projection window's, as the menu's are.
        Command::toolbarOnly(2, "salva file", [&m] { m.salva_Click(); }),
        Command::toolbarOnly(6, "visualizza finestra di calcolo", [this] { Command1_Click(); }),
        Command::toolbarOnly(7, "visualizza finestra Frontespizio",
                             [this] {
                                 m_host.messenger().show({TitlePageTexts::kThisIsTheTitlePage, appGlobals().HelpTitle,
                                                          Message::Icon::Exclamation});
                             }),
        Command::button("aiuto", "&Aiuto", "Clicca per avere indicazioni sulla immissione dei dati",
                        {120, 5760, 1095, 375}, [this] { aiuto_Click(); }),
        Command::button("Command1", "&Calcolo", "Clicca per tornare alla finestra di calcolo", {1200, 5760, 1095, 375},
                        [this] { Command1_Click(); }),
        Command::button("stampa", "&Stampa", "Clicca per stampare la relazione", {7200, 5760, 1095, 375},
                        [&o] { o.run(OutputId::Relazione); }),
        Command::button("cmdesci", "Us&cita", "Clicca per uscire da Vicania", {8280, 5760, 1095, 375},
                        [this] { m_host.confirmExit(); }),
    };
    rows[3].icon = QStyle::SP_MessageBoxQuestion;
    rows[5].icon = QStyle::SP_FileIcon;
    rows[6].icon = QStyle::SP_DialogCloseButton;
    return rows;
}

std::vector<Command> frontespizio::commandRows()
{
    std::vector<Command> rows = menuRows();
    for (Command &c : buttonRows())
        rows.push_back(std::move(c));
    return rows;
}

frontespizio::frontespizio(WindowHost &host, TitlePageModel &model, OutputRunner &outputs, QWidget *parent)
    : QMainWindow(parent), m_host(host), m_model(model), m_outputs(outputs), m_commands(commandRows())
{
    StudyDrop::install(this, host);
    // No delete on close: the title bar's close button only hides the window,
    // and what was typed stays until the confirmed exit or a clear command.
    setWindowTitle(QStringLiteral("Vicania: frontespizio per la relazione"));
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);
    setFont(Look::font(QStringLiteral("MS Sans Serif"), 8.25));
    Look::paint(m_client, Look::bgr(kGrey));
    resize(Look::px(9600), Look::px(6825));
    Controls::buildAll(m_client, controls());
    m_commands.buildControls(m_client, 9600);
    m_commands.buildMenus(this);
    m_commands.installAccessKeys(this);
    findControls();
    chainTabOrder();
    connect(&m_model, &TitlePageModel::changed, this, &frontespizio::update_display);
    connect(&m_model, &TitlePageModel::messageAbout, this,
            [this](const QString &field) { Controls::focus(m_client, field); });
    // The model may outlive this window by a moment when both are unloaded.
    m_model.setOfficeRequest(
        [window = QPointer<frontespizio>(this)] { return window && OfficeDialog::require(window, window->m_host); });
    Look::plainLabels(this);
    Form_Load();
}

void frontespizio::Form_Load()
{
    m_resize = clsResize::load(this, m_client, 9600, 6825);
    update_display();
}

void frontespizio::findControls()
{
    m_client->findChild<QLabel *>(QStringLiteral("Label1"))->setFont(Look::font(QStringLiteral("MS Sans Serif"), 13.5));
    for (int i = 0; i < TitlePageModel::kFieldCount; ++i) {
        const auto field = static_cast<TF>(i);
        auto *edit = m_client->findChild<QLineEdit *>(TitlePageModel::fieldName(field));
        edit->setFrame(false);
        Look::paint(edit, Qt::white, Qt::black);
        connect(edit, &QLineEdit::textEdited, this, [this, field](const QString &t) { m_model.setText(field, t); });
        m_fields[std::size_t(i)] = edit;
    }
    m_labelstudio = m_client->findChild<QLabel *>(QStringLiteral("labelstudio"));
    m_labelindirizzo = m_client->findChild<QLabel *>(QStringLiteral("labelindirizzo"));
    m_passo = m_client->findChild<QLabel *>(QStringLiteral("passo"));
    Look::paint(m_commands.button(QStringLiteral("aiuto")), Look::bgr(kLightGrey));
}

void frontespizio::chainTabOrder()
{
    auto f = [this](TF field) -> QWidget * { return m_fields[static_cast<std::size_t>(field)]; };
    auto b = [this](const char *name) -> QWidget * { return m_commands.button(QString::fromLatin1(name)); };
    const std::array<QWidget *, 11> order = {b("aiuto"),         f(TF::ricerca),  f(TF::localita), f(TF::tipostudio),
                                             f(TF::committente), f(TF::luogo),    b("stampa"),     b("cmdesci"),
                                             f(TF::data),        f(TF::allegati), b("Command1")};
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

QString frontespizio::helpText()
{
    return TitlePageTexts::help();
}

void frontespizio::aiuto_Click()
{
    m_host.messenger().show({helpText(), appGlobals().HelpTitle, Message::Icon::Information});
}

void frontespizio::Command1_Click()
{
    m_host.showWindow(WindowId::stimaabitanti);
}

void frontespizio::Toolbar1_ButtonClick(int position)
{
    m_commands.runToolbar(position);
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
    Look::setAnnounced(m_passo, m_model.passo());
}
