// The two documents of the projection window: data and results, and the blank
// data-acquisition sheet. They only call DocumentWriter, in document order,
// and read the study from a snapshot, never from the window.
#pragma once

#include "ChartPainter.h"

#include <QString>

class DocumentWriter;
struct StudySnapshot;

namespace ProjectionDocuments {

// Rows of the year tables: the first holds 11 years, the others 43. The
// chart, when there is one, follows the tables.
void results(DocumentWriter &w, const StudySnapshot &s, const ChartPicture &picture = {});
void dataSheet(DocumentWriter &w);

} // namespace ProjectionDocuments
