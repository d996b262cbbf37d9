// The workbook's sheet "Ipotesi": the inhabitants of the three hypotheses
// year by year as numbers, their results and values, and a line chart.
#pragma once

#include "XlsxBook.h"

struct StudySnapshot;

namespace ResultsExport {

void hypothesesSheet(Book &book, const StudySnapshot &s);

} // namespace ResultsExport
