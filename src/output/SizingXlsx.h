// The workbook's sheet "Dimensionamento": the figures with their source, the
// results as numbers for the result or each hypothesis, and their formulas.
#pragma once

#include "XlsxBook.h"

struct StudySnapshot;

namespace ResultsExport {

void sizingSheet(Book &book, const StudySnapshot &s);

} // namespace ResultsExport
