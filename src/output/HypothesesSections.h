// The report's chapter "Ipotesi a confronto": the three sets of inputs, the
// inhabitants of the three hypotheses and their results, and their chart in
// the report with chart.
#pragma once

#include "ChartPainter.h"
#include "word/DocumentWriter.h"

#include <vector>

struct HypothesisComparison;
struct StudySnapshot;

namespace HypothesesSections {

// The tables the chapter writes, which the report aligns.
inline constexpr int kTables = 2;

// The rows of the inhabitants table: every year up to thirty years, else
// every fifth year from the start, with the start and target years.
std::vector<std::size_t> shownRows(const HypothesisComparison &c);

// The chapter from where the document is; a null picture writes no chart.
void chapter(DocumentWriter &w, const StudySnapshot &s, const ChartPicture &picture);

// The pages the chapter takes from the top of a page.
int pages(const StudySnapshot &s, const ChartPicture &picture);

} // namespace HypothesesSections
