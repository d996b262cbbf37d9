// The documents of the title page: the full report and the data-only
// document. They only call DocumentWriter, in document order.
#pragma once

#include "ChartPainter.h"
#include "storage/TitlePageData.h"

class DocumentWriter;
struct StudySnapshot;

namespace TitlePageDocuments {

// The title page, data and results of the snapshot; returns the page count
// written in the closing block. With a chart, a page of its own holds it
// before the closing block, which follows it on that page.
int fullReport(DocumentWriter &w, const StudySnapshot &study, const ChartPicture &chart = {},
               const ChartPicture &hypothesesChart = {});
void dataOnly(DocumentWriter &w, const TitlePageData &page);

// The tables that hold results: the 3rd to this one.
int lastResultTable(qint64 span);

} // namespace TitlePageDocuments
