#include "TitlePageDocuments.h"

#include "HypothesesSections.h"
#include "ReportSections.h"
#include "SizingSections.h"
#include "core/AppGlobals.h"
#include "estimate/StudySnapshot.h"
#include "word/DocumentModel.h"
#include "word/PageFlow.h"

#include <array>
#include <cmath>

namespace TitlePageDocuments {

namespace {

using Align = DocumentWriter::Alignment;

// The pictures of the report with chart; null ones are left out.
struct Charts {
    ChartPicture inhabitants;
    ChartPicture hypotheses;
};

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

// How the cover is spaced and how large its texts are: as designed, unless
// its texts are too long to stay on one page that way.
struct Cover {
    int lead = 3;   // empty paragraphs above the program's name
    int gap = 6;    // between the research lines and the professional
    int lower = 15; // between place and date and the office
    double size = 14;
};

// The texts wrap; the spaces between them close before the texts shrink, and
// no text is ever smaller than this.
constexpr double kSmallestCoverText = 6;
// The share of the page the cover may fill: room for the difference between
// the estimate and a word processor's own lines.
constexpr double kCoverFill = 0.97;

void cover(DocumentWriter &w, const StudySnapshot &s, const Cover &c)
{
    const AppGlobals &g = appGlobals();
    const TitlePageData &p = s.titlePage;
    w.setFontSize(24);
    w.typeText(g.ProgramName + u'\r');
    w.setFontSize(18);
    w.typeText(g.ProgramDescription + QStringLiteral("\r\r"));
    w.setFontSize(c.size);
    w.typeText(QStringLiteral("ricerca: ") + p.ricerca + u'\r');
    w.typeText(QStringLiteral("località: ") + p.localita + u'\r');
    w.typeText(QStringLiteral("tipologia di studio: ") + p.tipostudio + u'\r');
    paragraphs(w, c.gap);
    w.typeText(QStringLiteral("professionista: ") + s.officeName + u'\r');
    w.typeText(QStringLiteral("committente: ") + p.committente + QStringLiteral("\r\r"));
    w.typeText(p.luogo + QStringLiteral(": ") + p.data + u'\r');
    paragraphs(w, c.lower);
    w.typeText(s.officeName + u'\r');
    w.typeText(s.officeAddress + u'\r');
    paragraphs(w, 7);
}

// A new document up to the end of the cover.
void opening(DocumentWriter &w, const StudySnapshot &s, const Cover &c)
{
    w.newDocument();
    paragraphs(w, c.lead);
    w.pageSetupA4();
    w.setLineSpacing12();
    w.setFontName(kDocumentFont);
    cover(w, s, c);
}

// The pages the cover takes, as estimated.
int coverPages(const StudySnapshot &s, const Cover &c)
{
    DocumentModel probe;
    opening(probe, s, c);
    probe.startNewPage();
    probe.typeText(QStringLiteral("Criteri"));
    return PageFlow::estimate(probe, kCoverFill).firstPage.last() - 1;
}

Cover fittedCover(const StudySnapshot &s)
{
    Cover c;
    // The widest space closes first, a line at a time, down to one line each.
    for (;;) {
        if (coverPages(s, c) <= 1)
            return c;
        int *widest = c.lower >= c.gap ? &c.lower : &c.gap;
        if (*widest < c.lead)
            widest = &c.lead;
        if (*widest <= 1)
            break;
        --*widest;
    }
    for (; c.size > kSmallestCoverText; c.size -= 0.5) {
        if (coverPages(s, c) <= 1)
            return c;
    }
    return c;
}

// The criteria, where the data came from, and the data table.
void chapter(DocumentWriter &w, const StudySnapshot &s)
{
    w.setFontSize(16);
    w.typeText(QStringLiteral("Criteri di calcolo per la simulazione\r\r"));
    w.setFontSize(12);
    for (const char *text : kCriteria)
        w.typeText(QString::fromUtf8(text) + u'\r');
    if (s.source) {
        w.appendParagraph();
        ReportSections::source(w, s);
        w.appendParagraph();
    }
    w.typeText(QStringLiteral("Si riportano, sotto forma tabellare, tutti i dati e i risultati della simulazione "
                              "eseguita.\r\r"));
    w.appendParagraph();
    ReportSections::dataTable(w, s);
    for (int i = 0; i < 8; ++i)
        w.appendParagraph();
}

// The pages of the chapter: one, unless the source of the data makes it longer.
int chapterPages(const StudySnapshot &s, const Cover &c)
{
    if (!s.source)
        return 1;
    DocumentModel probe;
    opening(probe, s, c);
    probe.startNewPage();
    chapter(probe, s);
    probe.startNewPage();
    probe.typeText(QStringLiteral("Legenda"));
    return PageFlow::estimate(probe).firstPage.last() - 1 - coverPages(s, c);
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
        ReportSections::yearHeader(w);
        int r = 0;
        full = false;
        for (int row = start; row <= lastRow; ++row) {
            ++r;
            ReportSections::yearRow(w, s, row, r + 2);
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
// one page; on a page of its own after a full table or where it does not fit
// under the last table or the chart.
void closing(DocumentWriter &w, const StudySnapshot &s, int pages, bool ownPage)
{
    const TitlePageData &p = s.titlePage;
    w.keepRestTogether();
    w.appendParagraph();
    if (ownPage)
        w.startNewPage();
    w.setAppendedPageCount(12, QStringLiteral("\rLa presente relazione è composta di n. "), pages,
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
    ReportSections::chart(w, s, chart, true);
    return {result.lastFull ? result.pages : result.pages + 1, false};
}

// The chapters of the plan, each on a page of its own; after a full table
// they take the page counted for the closing block. A chart before them kept
// its heading with it; they flow freely. The closing block follows on a page
// of its own, counted: where the last chapter ends is too close to call.
ResultPages planChapters(DocumentWriter &w, const StudySnapshot &s, const ChartPicture &picture, ResultPages result)
{
    if (!s.hypotheses && !s.sizing)
        return result;
    int pages = result.lastFull ? result.pages - 1 : result.pages;
    const auto newPage = [&w] {
        w.goToEnd();
        w.keepApart();
        w.appendParagraph();
        w.startNewPage();
    };
    if (s.hypotheses) {
        newPage();
        HypothesesSections::chapter(w, s, picture);
        pages += HypothesesSections::pages(s, picture);
    }
    if (s.sizing) {
        newPage();
        SizingSections::chapter(w, s);
        pages += SizingSections::pages(s);
    }
    return {pages + 1, true};
}

// The sections before the closing block, each once, in document order.
ResultPages body(DocumentWriter &w, const StudySnapshot &s, const Charts &charts, const Cover &c)
{
    opening(w, s, c);
    w.startNewPage();
    chapter(w, s);
    // The legend opens the page of the first result table.
    w.startNewPage();
    ReportSections::legendTable(w);
    ResultPages result = resultTables(w, s);
    if (!charts.inhabitants.isNull())
        result = chartPage(w, s, charts.inhabitants, result);
    return planChapters(w, s, charts.hypotheses, result);
}

// How the report is laid out, as estimated on a probe of its body: the cover
// fitted to its page, where the closing block goes and the page count it
// states.
struct Layout {
    Cover cover;
    bool closingOwnPage;
    int pages;
};

Layout plan(const StudySnapshot &s, const Charts &charts)
{
    const Cover c = fittedCover(s);
    DocumentModel probe;
    const ResultPages result = body(probe, s, charts, c);
    const int before = PageFlow::estimate(probe).pages;
    auto added = [&](bool ownPage) {
        DocumentModel whole = probe;
        closing(whole, s, result.pages, ownPage);
        return PageFlow::estimate(whole).pages - before;
    };
    const int pages = result.pages + coverPages(s, c) - 1 + chapterPages(s, c) - 1;
    if (result.lastFull)
        return {c, true, pages + added(true) - 1};
    if (added(false) == 0)
        return {c, false, pages};
    // Too long for what is left of the page: a page of its own, counted.
    return {c, true, pages + added(true)};
}

// Justified text, the result columns to the right, numbered pages, and who
// the report is by.
void finish(DocumentWriter &w, const StudySnapshot &s)
{
    w.alignAll(Align::Justify);
    const int last = lastResultTable(s.span);
    for (int t = 3; t <= last; ++t) {
        for (int col = 1; col <= 9; ++col)
            w.alignTableColumn(t, col, Align::Right);
    }
    int next = last + 1;
    for (; s.hypotheses && next <= last + HypothesesSections::kTables; ++next) {
        for (int col = 2; col <= 4; ++col)
            w.alignTableColumn(next, col, Align::Right);
    }
    if (s.sizing)
        SizingSections::align(w, s, next);
    w.numberPages(true);
    w.setProperties(QStringLiteral("Relazione: ") + s.titlePage.ricerca, ReportSections::author(s));
}

} // namespace

int lastResultTable(qint64 span)
{
    return static_cast<int>(std::floor(double(span + 1 - 28) / 38 + 0.99)) + 3;
}

int fullReport(DocumentWriter &w, const StudySnapshot &s, const ChartPicture &chart,
               const ChartPicture &hypothesesChart)
{
    const Charts charts{chart, hypothesesChart};
    const Layout layout = plan(s, charts);
    body(w, s, charts, layout.cover);
    closing(w, s, layout.pages, layout.closingOwnPage);
    finish(w, s);
    return layout.pages;
}

void dataOnly(DocumentWriter &w, const TitlePageData &p)
{
    const AppGlobals &g = appGlobals();
    ReportSections::start(w);
    w.setFontSize(18);
    w.typeText(g.ProgramName + u'\r');
    w.setFontSize(12);
    w.typeText(g.ProgramDescription + QStringLiteral("\r\r"));
    w.typeText(QStringLiteral("Dati generali\r"));
    w.appendParagraph();
    w.addTable(10, 2);
    w.setTableFontSize(10);
    w.repeatHeadingRows(1);
    w.setCell(1, 1, QStringLiteral("tipologia"));
    w.setCell(1, 2, QStringLiteral("dati"));
    int r = 2;
    for (const auto &[caption, text] : ReportSections::titlePageRows(p, p.labelstudio, p.labelindirizzo)) {
        w.setCell(r, 1, caption);
        w.setCell(r++, 2, text);
    }
    w.applyTableFormat9();
    w.setProperties(QStringLiteral("Dati generali: ") + p.ricerca, ReportSections::author());
}

} // namespace TitlePageDocuments
