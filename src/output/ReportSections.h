// The sections more than one document is made of: the common start, the
// author, the data table, the legend of the results, the rows of the year
// tables and the chart under its heading. Each only writes on DocumentWriter
// and returns; the documents put them in their order.
#pragma once

#include "ChartPainter.h"
#include "storage/TitlePageData.h"
#include "word/DocumentWriter.h"

#include <QString>
#include <array>
#include <functional>

struct StudySnapshot;

namespace ReportSections {

// The common start: new document, A4, 12-point lines, the report font.
void start(DocumentWriter &w);
// A chapter's title at 16 points, then its text at 12.
void chapterTitle(DocumentWriter &w, const QString &title);
// The pages what write writes takes from the top of a page of the report.
int pagesFromTop(const std::function<void(DocumentWriter &)> &write);
// Who a document is by: the user's office, or the program without one.
QString author();
QString author(const StudySnapshot &s);
// Rows 1 and 2 of a table: a heading and its unit for each column.
template <std::size_t N>
void headingRows(DocumentWriter &w, const std::array<std::pair<const char *, const char *>, N> &headings)
{
    for (std::size_t c = 0; c < N; ++c) {
        w.setCell(1, int(c) + 1, QString::fromUtf8(headings[c].first));
        w.setCell(2, int(c) + 1, QString::fromUtf8(headings[c].second));
    }
}
// Rows 1 and 2 of a table with the window's inputs ("Dati: tipo", "valore").
void dataTable(DocumentWriter &w, const StudySnapshot &s);
// "Fonte dei dati": where the inputs came from; nothing without a source.
void source(DocumentWriter &w, const StudySnapshot &s);
// The title page's fields with the captions the documents and the workbook
// give them, signed by the office given.
std::array<std::pair<QString, QString>, 9> titlePageRows(const TitlePageData &p, const QString &officeName,
                                                         const QString &officeAddress);
// The legend of the result columns, 10 x 2.
void legendTable(DocumentWriter &w);
// Header rows and one data row of a year table, as the results grid shows it.
void yearHeader(DocumentWriter &w);
void yearRow(DocumentWriter &w, const StudySnapshot &s, int tableRow, int documentRow);
// The chart of the inhabitants under its heading, after an empty paragraph
// or at the top of a new page, the two kept on one page; a null picture
// writes nothing.
void chart(DocumentWriter &w, const StudySnapshot &s, const ChartPicture &picture, bool newPage);

} // namespace ReportSections
