// The commands of the projection window, declared once as static rows; the
// window binds each to itself when it builds its CommandTable.
#include "stimaabitanti.h"

#include "IstatImportDialog.h"
#include "ProjectionTexts.h"
#include "core/AppGlobals.h"
#include "core/Messenger.h"
#include "output/OutputRunner.h"
#include "widgets/OfficeDialog.h"
#include "widgets/WindowHost.h"

namespace {

using Row = stimaabitanti::CommandRow;
using K = Command::Kind;
constexpr const char *kFile = "mnuFile", *kPrint = "mnuStampa", *kEdit = "mnuModifica", *kChart = "mnuGrafico";

Command bound(const Row &r, stimaabitanti &w)
{
    auto text = [](const char *utf8) { return QString::fromUtf8(utf8); };
    Command c{r.kind, text(r.name), text(r.menu), text(r.caption), text(r.toolTip), r.toolbar, {}, {}, r.place, {}, {}};
    if (r.run)
        c.handler = [&w, run = r.run] { run(w); };
    if (r.enabled)
        c.enabled = [&w, enabled = r.enabled] { return enabled(w.model()); };
    if (r.keys != QKeyCombination())
        c.shortcut = QKeySequence(r.keys);
    return c;
}

} // namespace

// The menus, items and separators, in order.
// clang-format off
const stimaabitanti::CommandRow stimaabitanti::kMenuRows[] = {
    {.kind = K::Menu, .name = kFile, .caption = "&File"},
    {.kind = K::Item, .name = "aprifile", .menu = kFile, .caption = "&Apri", .toolTip = "apri file", .toolbar = 1,
     .run = [](stimaabitanti &w) { w.m_model.files().aprifile_Click(); }, .keys = Qt::CTRL | Qt::Key_O},
    {.kind = K::Item, .name = "importaistat", .menu = kFile, .caption = "&Importa dati ISTAT...",
     .run = [](stimaabitanti &w) { IstatImportDialog::run(&w, w.m_model); }},
    {.kind = K::Separator, .menu = kFile},
    {.kind = K::Item, .name = "salvafile", .menu = kFile, .caption = "&Salva", .toolTip = "salva file", .toolbar = 2,
     .run = [](stimaabitanti &w) { w.m_model.files().salvafile_Click(); }, .keys = Qt::CTRL | Qt::Key_S},
    {.kind = K::Item, .name = "salvanome", .menu = kFile, .caption = "Salva con &nome...",
     .run = [](stimaabitanti &w) { w.m_model.files().salvanome_Click(); }, .keys = Qt::CTRL | Qt::SHIFT | Qt::Key_S},
    {.kind = K::Separator, .menu = kFile},
    {.kind = K::Item, .name = "eliminare", .menu = kFile, .caption = "Elimina...", .toolTip = "cancella file",
     .toolbar = 3, .run = [](stimaabitanti &w) { w.m_model.files().eliminare_click(); }},
    {.kind = K::Separator, .menu = kFile},
    {.kind = K::Menu, .name = kPrint, .menu = kFile, .caption = "S&tampa"},
    {.kind = K::Item, .name = "acquisizionedati", .menu = kPrint, .caption = "&modello acquisizione dati",
     .run = [](stimaabitanti &w) { w.m_outputs.run(OutputId::Modello); }},
    {.kind = K::Item, .name = "stampa", .menu = kPrint, .caption = "&dati e risultati del calcolo",
     .toolTip = "stampa dati finestra", .toolbar = 4, .run = [](stimaabitanti &w) { w.m_outputs.run(OutputId::Risultati); },
     .keys = Qt::CTRL | Qt::Key_P},
    {.kind = K::Item, .name = "esportatabella", .menu = kFile, .caption = "Es&porta tabella...",
     .run = [](stimaabitanti &w) { w.m_outputs.exportTable(); }},
    {.kind = K::Separator, .menu = kFile},
    {.kind = K::Item, .name = "esci", .menu = kFile, .caption = "Es&ci", .toolTip = "uscita da Vicania", .toolbar = 16,
     .run = [](stimaabitanti &w) { w.esci_Click(); }, .keys = Qt::CTRL | Qt::Key_Q},
    {.kind = K::Menu, .name = kEdit, .caption = "&Modifica"},
    {.kind = K::Item, .name = "controlladati", .menu = kEdit, .caption = "Controlla &dati immessi",
     .toolTip = "controlla dati finestra", .toolbar = 14,
     .run = [](stimaabitanti &w) { w.m_model.controlladati_Click(); }},
    {.kind = K::Separator, .menu = kEdit},
    {.kind = K::Item, .name = "cancelladati", .menu = kEdit, .caption = "&Cancella dati finestra",
     .toolTip = "cancella dati immessi", .toolbar = 15, .run = [](stimaabitanti &w) { w.m_model.cancelladati_Click(); }},
    {.kind = K::Separator, .menu = kEdit},
    {.kind = K::Item, .name = "studio", .menu = kEdit, .caption = "S&tudio professionale...",
     .run = [](stimaabitanti &w) { OfficeDialog::edit(&w, w.m_host); }},
    {.kind = K::Menu, .name = kChart, .caption = "&Grafico"},
    {.kind = K::Item, .name = "grafico", .menu = kChart, .caption = "&Grafico dei risultati",
     .run = [](stimaabitanti &w) { w.m_host.showWindow(WindowId::grafico); }},
    {.kind = K::Item, .name = "ipotesi", .menu = kChart, .caption = "&Ipotesi a confronto",
     .toolTip = "Confronta le ipotesi bassa, centrale e alta",
     .run = [](stimaabitanti &w) { w.m_host.showWindow(WindowId::ipotesi); }},
    {.kind = K::Separator, .menu = kChart},
    {.kind = K::Item, .name = "dimensionamento", .menu = kChart, .caption = "&Dimensionamento...",
     .toolTip = "Famiglie, abitazioni, volumi e standard del piano per il risultato",
     .run = [](stimaabitanti &w) { w.m_host.showWindow(WindowId::dimensionamento); },
     .enabled = [](const ProjectionModel &m) { return !m.popolazione().isEmpty(); }},
};

// The toolbar positions no menu item has, and the buttons, in tab order.
const stimaabitanti::CommandRow stimaabitanti::kButtonRows[] = {
    {.kind = K::ToolbarOnly, .toolTip = "visualizza finestra di calcolo", .toolbar = 6,
     .run = [](stimaabitanti &w) { w.m_host.messenger().show({ProjectionTexts::kThisIsTheCalculation,
                                                              appGlobals().HelpTitle, Message::Icon::Exclamation}); }},
    {.kind = K::ToolbarOnly, .toolTip = "visualizza finestra Frontespizio", .toolbar = 7,
     .run = [](stimaabitanti &w) { w.m_host.showWindow(WindowId::frontespizio); }},
    {.kind = K::Button, .name = "avviso", .caption = "?", .run = [](stimaabitanti &w) { w.m_model.avviso_Click(); },
     .place = {1740, 5130, 480, 300}},
    {.kind = K::Button, .name = "calcola", .caption = "&Calcola -->",
     .toolTip = "Clicca per calcolare il numero degli abitanti dell'anno indicato",
     .run = [](stimaabitanti &w) { w.m_model.calcola_Click(); },
     .enabled = [](const ProjectionModel &m) { return m.calcolaEnabled(); }, .place = {6660, 4290, 1380, 390}},
    {.kind = K::Button, .name = "verifica", .caption = "&Verifica -->",
     .toolTip = "Clicca per controllare il calcolo a ritroso con i medesimi dati (il risultato sarà arrotondato)",
     .run = [](stimaabitanti &w) { w.m_model.verifica_Click(); },
     .enabled = [](const ProjectionModel &m) { return m.verificaEnabled(); }, .place = {8100, 4290, 1380, 390}},
    {.kind = K::Button, .name = "riequilibra", .caption = "&Riequilibra ",
     .toolTip = "Clicca per riequilibrare il calcolo ai dati immessi",
     .run = [](stimaabitanti &w) { w.riequilibra_Click(); },
     .enabled = [](const ProjectionModel &m) { return m.riequilibraEnabled(); }, .place = {2760, 4830, 1260, 390}},
    {.kind = K::Button, .name = "frontespiz", .caption = "&Frontespizio",
     .toolTip = "Clicca per visualizzare la finestra Frontespizio e stampare la relazione",
     .run = [](stimaabitanti &w) { w.m_host.showWindow(WindowId::frontespizio); },
     .enabled = [](const ProjectionModel &m) { return m.frontespizEnabled(); }, .place = {4095, 4830, 1260, 390}},
    {.kind = K::Button, .name = "Command1", .caption = "&Stampa",
     .toolTip = "Clicca per stampare i dati e gli eventuali risultati della finestra",
     .run = [](stimaabitanti &w) { w.m_outputs.run(OutputId::Risultati); }, .place = {5430, 4830, 1260, 390}},
    {.kind = K::Button, .name = "aiuto", .caption = "&Aiuto", .toolTip = "Clicca per avere gli aiuti su come procedere",
     .run = [](stimaabitanti &w) { w.aiuto_Click(); }, .place = {6765, 4830, 1260, 390}},
    {.kind = K::Button, .name = "uscita", .caption = "&Uscita", .toolTip = "Clicca per chiudere il programma",
     .run = [](stimaabitanti &w) { w.esci_Click(); }, .place = {8100, 4830, 1380, 390}},
};
// clang-format on

// The menus, items and separators in order, then the help menu, then the
// toolbar positions no menu item has and the buttons, in tab order.
std::vector<Command> stimaabitanti::commandRows()
{
    std::vector<Command> rows;
    for (const Row &r : kMenuRows)
        rows.push_back(bound(r, *this));
    for (Command &c : Commands::help(m_host, QStringLiteral("suggerimenti"), QStringLiteral("&Suggerimenti")))
        rows.push_back(std::move(c));
    for (const Row &r : kButtonRows)
        rows.push_back(bound(r, *this));
    return rows;
}
