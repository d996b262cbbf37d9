#include "ProjectionDocuments.h"

#include "ReportSections.h"
#include "core/AppGlobals.h"
#include "estimate/StudySnapshot.h"
#include "word/DocumentWriter.h"

#include <array>

namespace ProjectionDocuments {

using namespace ReportSections;

namespace {

// A row to write in by hand: 0,8 cm.
constexpr double kWritingRow = 0.8 / 2.54 * 72;

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

void results(DocumentWriter &w, const StudySnapshot &s, const ChartPicture &picture)
{
    resultsHeading(w, s);
    dataTable(w, s);
    w.appendParagraph();
    if (s.source) {
        source(w, s);
        w.appendParagraph();
    }
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
