#include "TitlePageDocuments.h"

#include "core/AppGlobals.h"
#include "docs/DocumentWriter.h"
#include "projection/ProjectionDocuments.h"
#include "projection/StudySnapshot.h"

#include <array>
#include <cmath>

namespace TitlePageDocuments {

namespace {

using Align = DocumentWriter::Alignment;

const std::array<const char *, 5> kCriteria = {
    "L'elaborazione è partita da un dato certo o possibile, ossia il numero degli abitanti di un luogo in un anno "
    "determinato. Tutti gli altri dati sono stati desunti da analisi statistiche oppure da studi che hanno fornito "
    "valori attendibili.",
    "In particolare, con riferimento ai dati riportati nella tabella in basso, si è trovato il numero degli abitanti "
    "dell'anno successivo incrementandolo del tasso dell'immigrazione e diminuendolo del tasso di emigrazione. "
    "Quindi si sono stimati gli abitanti suddivisi per classi di età, dividendo il totale della popolazione per la "
    "vita mediana di morte.",
    "Il numero di donne in età di fecondità (dai 14 ai 49 anni) si riferisce al dato statistico del tasso di "
    "fecondità. Diverso è il numero di donne che effettivamente, nel periodo, sono fecondate (ciò dipende dalle età "
    "digitate di inizio e fine fecondazione). Pertanto si è ottenuto il numero delle nascite applicando il tasso di "
    "fecondità al totale delle donne in età feconda. Tale valore è stato depurato sottraendo a esso il numero dei "
    "bambini morti entro il quinto anno (la mortalità infantile).",
    "Ovviamente il risultato è stato equilibrato al singolo anno, dividendo il risultato per gli anni di fecondità "
    "indicati nei dati di partenza. Anche la mortalità infantile è stata rapportata agli anni di fecondità della "
    "donna.",
    "Il risultato finale, per ogni anno della simulazione, è stato ottenuto aggiungendo o sottraendo al totale delle "
    "nascite così depurato della mortalità infantile, (dunque la variazione della popolazione), il totale delle "
    "morti medie di vecchiaia. Queste sono state valutate suddividendo il totale degli abitanti dell'anno per il "
    "dato sulla vita mediana inserito."};

void paragraphs(DocumentWriter &w, int count)
{
    w.typeText(QString(count, u'\r'));
}

void cover(DocumentWriter &w, const StudySnapshot &s)
{
    const AppGlobals &g = appGlobals();
    const TitlePageData &p = s.titlePage;
    w.setFontSize(24);
    w.typeText(g.ProgramName + u'\r');
    w.setFontSize(18);
    w.typeText(g.ProgramDescription + QStringLiteral("\r\r"));
    w.setFontSize(14);
    w.typeText(QStringLiteral("ricerca: ") + p.ricerca + u'\r');
    w.typeText(QStringLiteral("località: ") + p.localita + u'\r');
    w.typeText(QStringLiteral("tipologia di studio: ") + p.tipostudio + u'\r');
    paragraphs(w, 6);
    w.typeText(QStringLiteral("professionista: ") + s.officeName + u'\r');
    w.typeText(QStringLiteral("committente: ") + p.committente + QStringLiteral("\r\r"));
    w.typeText(p.luogo + QStringLiteral(": ") + p.data + u'\r');
    paragraphs(w, 15);
    w.typeText(s.officeName + u'\r');
    w.typeText(s.officeAddress + u'\r');
    paragraphs(w, 7);
}

void chapter(DocumentWriter &w)
{
    w.setFontSize(16);
    w.typeText(QStringLiteral("Criteri di calcolo per la simulazione\r\r"));
    w.setFontSize(12);
    for (const char *text : kCriteria)
        w.typeText(QString::fromUtf8(text) + u'\r');
    w.typeText(QStringLiteral("Si riportano, sotto forma tabellare, tutti i dati e i risultati della simulazione "
                              "eseguita.\r\r"));
}

bool isBreakRow(int row)
{
    return row == 28 || row == 66 || row == 104 || row == 142 || row == 180;
}

struct ResultPages {
    int pages;     // the page count P
    bool lastFull; // the last table was filled to its break row
};

// Writes the result tables and returns the page count P. Every table after
// the first, and the closing block after a full table, begins a page: that
// is how the count comes true.
ResultPages resultTables(DocumentWriter &w, const StudySnapshot &s)
{
    const int lastRow = s.usedRows();
    int start = 1;
    int pages = 2;
    bool full = false;
    for (;;) {
        ++pages;
        const int size = start == 1 ? 30 : 40;
        if (start > ProjectionTable::kLastRow || !s.table.year[std::size_t(start)])
            break;
        w.appendParagraph();
        if (start > 1)
            w.startNewPage();
        w.addTable(size, 9);
        w.setTableFontSize(10);
        w.repeatHeadingRows(2);
        ProjectionDocuments::yearHeader(w);
        int r = 0;
        full = false;
        for (int row = start; row <= lastRow; ++row) {
            ++r;
            ProjectionDocuments::yearRow(w, s, row, r + 2);
            if (isBreakRow(row)) {
                w.applyTableFormat9();
                for (int p = 0; p < 12; ++p)
                    w.appendParagraph();
                start = row + 1;
                full = true;
                break;
            }
        }
        if (!full)
            break;
    }
    w.applyTableFormat9();
    return {pages, full};
}

// The page count, the attachments, place and date, and the signature, kept on
// one page.
void closing(DocumentWriter &w, const StudySnapshot &s, const ResultPages &result)
{
    const TitlePageData &p = s.titlePage;
    w.keepRestTogether();
    w.appendParagraph();
    if (result.lastFull)
        w.startNewPage();
    w.setAppendedPageCount(12, QStringLiteral("\rLa presente relazione è composta di n. "), result.pages,
                           QStringLiteral(" pagine.\r"));
    w.setAppendedParagraph(12, QStringLiteral("Si allegano: ") + p.allegati + QStringLiteral("\r\r"));
    w.setAppendedParagraph(12, p.luogo + QStringLiteral(": ") + p.data + QStringLiteral("\r\r"));
    w.setAppendedParagraph(12, QStringLiteral("il professionista\r"));
    w.setAppendedParagraph(12, QStringLiteral("(") + s.officeName + QStringLiteral(")"));
}

// The chart on a page of its own. After a full table the closing block had
// a page to itself, which the chart now shares: the count stays; otherwise
// the chart's page is one more.
ResultPages chartPage(DocumentWriter &w, const StudySnapshot &s, const ChartPicture &chart, ResultPages result)
{
    ProjectionDocuments::chart(w, s, chart, true);
    return {result.lastFull ? result.pages : result.pages + 1, false};
}

} // namespace

int lastResultTable(qint64 span)
{
    return static_cast<int>(std::floor(double(span + 1 - 28) / 38 + 0.99)) + 3;
}

int fullReport(DocumentWriter &w, const StudySnapshot &s, const ChartPicture &chart)
{
    w.newDocument();
    paragraphs(w, 3);
    w.pageSetupA4();
    w.setLineSpacing12();
    w.setFontName(kDocumentFont);
    cover(w, s);
    w.startNewPage();
    chapter(w);

    w.appendParagraph();
    ProjectionDocuments::dataTable(w, s);
    for (int i = 0; i < 8; ++i)
        w.appendParagraph();
    // The legend opens the page of the first result table.
    w.startNewPage();
    ProjectionDocuments::legendTable(w);
    ResultPages result = resultTables(w, s);
    if (!chart.isNull())
        result = chartPage(w, s, chart, result);
    closing(w, s, result);

    w.alignAll(Align::Justify);
    const int last = lastResultTable(s.span);
    for (int t = 3; t <= last; ++t) {
        for (int c = 1; c <= 9; ++c)
            w.alignTableColumn(t, c, Align::Right);
    }
    w.setProperties(QStringLiteral("Relazione: ") + s.titlePage.ricerca, ProjectionDocuments::author(s));
    return result.pages;
}

void dataOnly(DocumentWriter &w, const TitlePageData &p)
{
    const AppGlobals &g = appGlobals();
    ProjectionDocuments::start(w);
    w.setFontSize(18);
    w.typeText(g.ProgramName + u'\r');
    w.setFontSize(12);
    w.typeText(g.ProgramDescription + QStringLiteral("\r\r"));
    w.typeText(QStringLiteral("Dati generali\r"));
    w.appendParagraph();
    w.addTable(10, 2);
    w.setTableFontSize(10);
    w.repeatHeadingRows(1);
    const std::array<std::pair<const char *, QString>, 10> rows = {{
        {"tipologia", QStringLiteral("dati")},
        {"ricerca", p.ricerca},
        {"località", p.localita},
        {"tipologia di studio", p.tipostudio},
        {"committente", p.committente},
        {"luogo di elaborazione", p.luogo},
        {"data della elaborazione", p.data},
        {"allegati alla relazione", p.allegati},
        {"studio professionale", p.labelstudio},
        {"indirizzo dello studio", p.labelindirizzo},
    }};
    for (int r = 0; r < 10; ++r) {
        w.setCell(r + 1, 1, QString::fromUtf8(rows[std::size_t(r)].first));
        w.setCell(r + 1, 2, rows[std::size_t(r)].second);
    }
    w.applyTableFormat9();
    w.setProperties(QStringLiteral("Dati generali: ") + p.ricerca, ProjectionDocuments::author());
}

} // namespace TitlePageDocuments
