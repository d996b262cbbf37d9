#include "ProjectionDocuments.h"

#include "core/AppGlobals.h"
#include "estimate/StudySnapshot.h"
#include "word/DocumentWriter.h"

#include <array>

namespace ProjectionDocuments {

namespace {

// A row to write in by hand: 0,8 cm.
constexpr double kWritingRow = 0.8 / 2.54 * 72;

// Rows 1 and 2 of a table: a heading and its unit for each column.
template <std::size_t N>
void headingRows(DocumentWriter &w, const std::array<std::pair<const char *, const char *>, N> &headings)
{
    for (std::size_t c = 0; c < N; ++c) {
        w.setCell(1, int(c) + 1, QString::fromUtf8(headings[c].first));
        w.setCell(2, int(c) + 1, QString::fromUtf8(headings[c].second));
    }
}

// The title, the kind of document and the research.
void resultsHeading(DocumentWriter &w, const StudySnapshot &s)
{
    const AppGlobals &g = appGlobals();
    start(w);
    w.setFontSize(18);
    w.typeText(g.ProgramName + u'\r');
    w.setFontSize(12);
    w.typeText(g.ProgramDescription + QStringLiteral("\r\r"));
    w.typeText((s.popolazione.isEmpty() ? QStringLiteral("DATI") : QStringLiteral("DATI E RISULTATI")) +
               QStringLiteral("\r\r"));
    w.typeText(QStringLiteral("Ricerca: ") + s.titlePage.ricerca + QStringLiteral("\r\r"));
}

// The year tables, each filled to its capacity but the last; returns how many.
int yearTables(DocumentWriter &w, const StudySnapshot &s)
{
    const int lastRow = s.usedRows();
    int tables = 0, row = 0, capacity = 0;
    bool open = false;
    for (int i = 1; i <= lastRow; ++i) {
        if (!open) {
            // A table starts only for a row that has a year.
            if (!s.table.year[std::size_t(i)])
                break;
            w.appendParagraph();
            // Each table after the first has a page of its own.
            if (tables > 0)
                w.startNewPage();
            capacity = tables == 0 ? 13 : 45;
            w.addTable(capacity, 9);
            w.setTableFontSize(10);
            w.repeatHeadingRows(2);
            yearHeader(w);
            ++tables;
            row = 2;
            open = true;
        }
        yearRow(w, s, i, ++row);
        if (row == capacity) {
            w.applyTableFormat9();
            for (int p = 0; p < 8; ++p)
                w.appendParagraph();
            open = false;
        }
    }
    return tables;
}

} // namespace

void start(DocumentWriter &w)
{
    w.newDocument();
    w.pageSetupA4();
    w.setLineSpacing12();
    w.setFontName(kDocumentFont);
}

QString author()
{
    return documentAuthor(appGlobals().StudioName, appGlobals().ProgramName);
}

QString author(const StudySnapshot &s)
{
    return documentAuthor(s.officeName, appGlobals().ProgramName);
}

void dataTable(DocumentWriter &w, const StudySnapshot &s)
{
    w.addTable(ProjectionInputs::kCount + 1, 2);
    w.setTableFontSize(12);
    w.repeatHeadingRows(1);
    // The order of the study file: the share after the fertility rate.
    w.setCell(1, 1, QStringLiteral("Dati: tipo"));
    w.setCell(1, 2, QStringLiteral("valore"));
    int r = 2;
    for (const ProjectionInput which : ProjectionInputs::inFileOrder()) {
        w.setCell(r, 1, s.input(which).caption);
        w.setCell(r++, 2, s.input(which).text);
    }
    w.applyTableFormat9();
}

void legendTable(DocumentWriter &w)
{
    static const std::array<std::pair<const char *, const char *>, 10> rows = {{
        {"Risultati: colonna", "tipologia riferita all'anno"},
        {"anno", "periodo di partenza del calcolo"},
        {"abitanti", "numero simulato di abitanti"},
        {"immigrati", "totale di immigrati"},
        {"emigrati", "totale di emigrati"},
        {"fecondità", "numero di donne in età feconda"},
        {"nascite", "numero di nati che superano i primi anni"},
        {"mortalità", "numero di bambini morti nei primi anni di vita"},
        {"età mediana", "numero di morti superata l'età mediana di morte"},
        {"aumento", "incremento o decremento naturale della popolazione"},
    }};
    w.addTable(10, 2);
    w.setTableFontSize(12);
    w.repeatHeadingRows(1);
    for (int r = 0; r < 10; ++r) {
        w.setCell(r + 1, 1, QString::fromUtf8(rows[std::size_t(r)].first));
        w.setCell(r + 1, 2, QString::fromUtf8(rows[std::size_t(r)].second));
    }
    w.applyTableFormat9();
}

void yearHeader(DocumentWriter &w)
{
    static const std::array<std::pair<const char *, const char *>, 9> headings = {{{"anno", ""},
                                                                                   {"abitanti", "n."},
                                                                                   {"immigrati", "n."},
                                                                                   {"emigrati", "n."},
                                                                                   {"fecondità", "n."},
                                                                                   {"nascite", "n."},
                                                                                   {"mortalità", "n."},
                                                                                   {"età mediana", "n"},
                                                                                   {"aumento", "n."}}};
    headingRows(w, headings);
}

void yearRow(DocumentWriter &w, const StudySnapshot &s, int tableRow, int documentRow)
{
    for (int c = 0; c < kGridColumnCount; ++c)
        w.setCell(documentRow, c + 1, gridCellText(s.table, tableRow, static_cast<GridColumn>(c)));
}

void chart(DocumentWriter &w, const StudySnapshot &s, const ChartPicture &picture, bool newPage)
{
    if (picture.isNull())
        return;
    const int last = s.usedRows();
    QString from = gridCellText(s.table, 1, GridColumn::ann), to = gridCellText(s.table, last, GridColumn::ann);
    // In calendar order, as the chart reads, also after a backward run.
    if (s.table.year[1] && s.table.year[std::size_t(last)] && *s.table.year[std::size_t(last)] < *s.table.year[1])
        std::swap(from, to);
    const QString years = QStringLiteral("dal %1 al %2").arg(from, to);
    w.goToEnd();
    // The heading never stays behind at the foot of a page.
    w.keepRestTogether();
    w.appendParagraph();
    if (newPage)
        w.startNewPage();
    w.setFontSize(12);
    w.typeText(QStringLiteral("Andamento del numero di abitanti, ") + years + u'\r');
    w.addPicture(picture.png, picture.pixels, QStringLiteral("Grafico del numero di abitanti anno per anno, ") + years);
}

void results(DocumentWriter &w, const StudySnapshot &s, const ChartPicture &picture)
{
    resultsHeading(w, s);
    dataTable(w, s);
    w.appendParagraph();
    legendTable(w);
    const int tables = yearTables(w, s);
    w.applyTableFormat9();
    for (int t = 1; t <= tables; ++t) {
        for (int c = 1; c <= 9; ++c)
            w.alignTableColumn(2 + t, c, DocumentWriter::Alignment::Right);
    }
    if (tables > 0)
        chart(w, s, picture, false);
    w.numberPages(false);
    w.setProperties(QStringLiteral("Dati e risultati: ") + s.titlePage.ricerca, author(s));
}

void dataSheet(DocumentWriter &w)
{
    const AppGlobals &g = appGlobals();
    start(w);
    // Eleven headings at 10 points need the width of a landscape page.
    w.pageSetupLandscape();
    w.setFontSize(18);
    w.typeText(g.ProgramName + u'\r');
    w.setFontSize(12);
    w.typeText(g.ProgramDescription + QStringLiteral("\r\r"));
    w.typeText(QStringLiteral("ACQUISIZIONE DATI\r\r"));
    w.typeText(QStringLiteral("Ricerca: _________________________________\r\r"));
    w.addTable(4, 3);
    w.setTableFontSize(10);
    w.setRowHeight(1, 4, kWritingRow);
    w.appendParagraph();
    w.addTable(27, 11);
    w.setTableFontSize(10);
    w.repeatHeadingRows(2);
    w.setRowHeight(3, 27, kWritingRow);
    w.widenColumn(1);
    static const std::array<std::pair<const char *, const char *>, 11> headings = {{{"luogo", "nome"},
                                                                                    {"inizio", "anno"},
                                                                                    {"abitanti", "n."},
                                                                                    {"fecondità", "%"},
                                                                                    {"inizio procreaz.", "età"},
                                                                                    {"fine procreaz.", "età"},
                                                                                    {"mort.infantile", "n."},
                                                                                    {"morte mediana", "età"},
                                                                                    {"immigrati", "%"},
                                                                                    {"emigrati", "%"},
                                                                                    {"stima", "anno"}}};
    headingRows(w, headings);
    w.applyTableFormat9();
    w.setProperties(QStringLiteral("Modello acquisizione dati"), author());
}

} // namespace ProjectionDocuments
