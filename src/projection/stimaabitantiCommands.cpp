// The projection window's commands as rows: menus, toolbar positions and
// buttons, each with its handler.
#include "stimaabitanti.h"

#include "ProjectionTexts.h"
#include "core/AppGlobals.h"
#include "core/Messenger.h"
#include "output/OutputRunner.h"
#include "widgets/OfficeDialog.h"
#include "widgets/WindowHost.h"

#include <QKeySequence>

// The menu bar: its menus, items and separators, in order.
std::vector<Command> stimaabitanti::menuRows()
{
    ProjectionModel &m = m_model;
    OutputRunner &o = m_outputs;
    const QString file = QStringLiteral("mnuFile"), print = QStringLiteral("mnuStampa");
    std::vector<Command> rows = {
        Command::submenu(file, {}, QStringLiteral("&File")),
        Command::item(
            "aprifile", file, "&Apri", [&m] { m.aprifile_Click(); }, 1, "apri file")
            .keys(QKeySequence(Qt::CTRL | Qt::Key_O)),
        Command::separator(file),
        Command::item(
            "salvafile", file, "&Salva", [&m] { m.salvafile_Click(); }, 2, "salva file")
            .keys(QKeySequence(Qt::CTRL | Qt::Key_S)),
        Command::item("salvanome", file, "Salva con &nome...", [&m] { m.salvanome_Click(); })
            .keys(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
        Command::separator(file),
        Command::item(
            "eliminare", file, "Elimina...", [&m] { m.eliminare_click(); }, 3, "cancella file"),
        Command::separator(file),
        Command::submenu(print, file, QStringLiteral("S&tampa")),
        Command::item("acquisizionedati", print, "&modello acquisizione dati", [&o] { o.run(OutputId::Modello); }),
        Command::item(
            "stampa", print, "&dati e risultati del calcolo", [&o] { o.run(OutputId::Risultati); }, 4,
            "stampa dati finestra")
            .keys(QKeySequence(Qt::CTRL | Qt::Key_P)),
        Command::item("esportatabella", file, "Es&porta tabella...", [&o] { o.exportTable(); }),
        Command::separator(file),
        Command::item(
            "esci", file, "Es&ci", [this] { esci_Click(); }, 16, "uscita da Vicania")
            .keys(QKeySequence(Qt::CTRL | Qt::Key_Q)),
    };
    for (Command &c : editRows())
        rows.push_back(std::move(c));
    const QString chart = QStringLiteral("mnuGrafico");
    rows.push_back(Command::submenu(chart, {}, QStringLiteral("&Grafico")));
    rows.push_back(
        Command::item("grafico", chart, "&Grafico dei risultati", [this] { m_host.showWindow(WindowId::grafico); }));
    for (Command &c : Commands::help(m_host, QStringLiteral("suggerimenti"), QStringLiteral("&Suggerimenti")))
        rows.push_back(std::move(c));
    return rows;
}

std::vector<Command> stimaabitanti::editRows()
{
    ProjectionModel &m = m_model;
    const QString edit = QStringLiteral("mnuModifica");
    return {
        Command::submenu(edit, {}, QStringLiteral("&Modifica")),
        Command::item(
            "controlladati", edit, "Controlla &dati immessi", [&m] { m.controlladati_Click(); }, 14,
            "controlla dati finestra"),
        Command::separator(edit),
        Command::item(
            "cancelladati", edit, "&Cancella dati finestra", [&m] { m.cancelladati_Click(); }, 15,
            "cancella dati immessi"),
        Command::separator(edit),
        Command::item("studio", edit, "S&tudio professionale...", [this] { OfficeDialog::edit(this, m_host); }),
    };
}

// The toolbar positions no menu item has, and the buttons, in tab order.
std::vector<Command> stimaabitanti::buttonRows()
{
    ProjectionModel &m = m_model;
    OutputRunner &o = m_outputs;
    std::vector<Command> rows = {
        Command::toolbarOnly(6, "visualizza finestra di calcolo",
                             [this] {
                                 m_host.messenger().show({ProjectionTexts::kThisIsTheCalculation,
                                                          appGlobals().HelpTitle, Message::Icon::Exclamation});
                             }),
        Command::toolbarOnly(7, "visualizza finestra Frontespizio",
                             [this] { m_host.showWindow(WindowId::frontespizio); }),
        Command::button("avviso", "?", {}, {1740, 5130, 480, 300}, [&m] { m.avviso_Click(); }),
        Command::button(
            "calcola", "&Calcola -->", "Clicca per calcolare il numero degli abitanti dell'anno indicato",
            {6660, 4290, 1380, 390}, [&m] { m.calcola_Click(); }, [&m] { return m.calcolaEnabled(); }),
        Command::button(
            "verifica", "&Verifica -->",
            "Clicca per controllare il calcolo a ritroso con i medesimi dati (il risultato sarà "
            "arrotondato)",
            {8100, 4290, 1380, 390}, [&m] { m.verifica_Click(); }, [&m] { return m.verificaEnabled(); }),
        Command::button(
            "riequilibra", "&Riequilibra ", "Clicca per riequilibrare il calcolo ai dati immessi",
            {2760, 4830, 1260, 390}, [this] { riequilibra_Click(); }, [&m] { return m.riequilibraEnabled(); }),
        Command::button(
            "frontespiz", "&Frontespizio", "Clicca per visualizzare la finestra Frontespizio e stampare la relazione",
            {4095, 4830, 1260, 390}, [this] { m_host.showWindow(WindowId::frontespizio); },
            [&m] { return m.frontespizEnabled(); }),
        Command::button("Command1", "&Stampa", "Clicca per stampare i dati e gli eventuali risultati della finestra",
                        {5430, 4830, 1260, 390}, [&o] { o.run(OutputId::Risultati); }),
        Command::button("aiuto", "&Aiuto", "Clicca per avere gli aiuti su come procedere", {6765, 4830, 1260, 390},
                        [this] { aiuto_Click(); }),
        Command::button("uscita", "&Uscita", "Clicca per chiudere il programma", {8100, 4830, 1380, 390},
                        [this] { esci_Click(); }),
    };
    return rows;
}

std::vector<Command> stimaabitanti::commandRows()
{
    std::vector<Command> rows = menuRows();
    for (Command &c : buttonRows())
        rows.push_back(std::move(c));
    return rows;
}
