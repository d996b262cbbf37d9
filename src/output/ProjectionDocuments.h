// The two documents of the projection window: data and results, and the blank
// data-acquisition sheet. They only call DocumentWriter, in document order,
// and read the study from a snapshot, never from the window.
#pragma once

#include "ChartPainter.h"

#include <QString>

class DocumentWriter;
struct StudySnapshot;

namespace ProjectionDocuments {

// The common start: new document, A4, 12-point lines, the report font.
void start(DocumentWriter &w);
// Who a document is by: the user's office, or the program without one.
QString author();
QString author(const StudySnapshot &s);
// Rows 1 and 2 of a table with the window's inputs ("Dati: tipo", "valore").
void dataTable(DocumentWriter &w, const StudySnapshot &s);
// The legend of the result columns, 10 x 2.
void legendTable(DocumentWriter &w);
// Header rows and one data row of a year table, as the results grid shows it.
void yearHeader(DocumentWriter &w);
void yearRow(DocumentWriter &w, const StudySnapshot &s, int tableRow, int documentRow);

// The chart of the inhabitants under its heading, after an empty paragraph
// or at the top of a new page, the two kept on one page; a null picture
// writes nothing.
void chart(DocumentWriter &w, const StudySnapshot &s, const ChartPicture &picture, bool newPage);

// Rows of the year tables: the first holds 11 years, the others 43. The
// chart, when there is one, follows the tables.
void results(DocumentWriter &w, const StudySnapshot &s, const ChartPicture &picture = {});
void dataSheet(DocumentWriter &w);

} // namespace ProjectionDocuments
