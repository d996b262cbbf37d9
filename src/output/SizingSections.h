// The report's chapter "Dimensionamento del piano": the figures with the rule
// each comes from, the results for the result or each hypothesis, and the
// formulas in words.
#pragma once

#include "word/DocumentWriter.h"

struct StudySnapshot;

namespace SizingSections {

// The tables the chapter writes, which the report aligns.
inline constexpr int kTables = 2;

// The chapter from where the document is.
void chapter(DocumentWriter &w, const StudySnapshot &s);
// The pages it takes from the top of a page.
int pages(const StudySnapshot &s);
// Aligns its tables, the first of them being table first.
void align(DocumentWriter &w, const StudySnapshot &s, int first);

} // namespace SizingSections
