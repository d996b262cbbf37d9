// Where a word processor will lay a document's blocks on its pages, worked
// out from our width table instead of a word processor: every line a little
// wider and taller than in Word or LibreOffice, so that what the estimate
// fits on a page fits there too. The documents use it to keep a page whole
// and to count pages where no word processor counts them.
#pragma once

#include "DocumentModel.h"

#include <QList>

namespace PageFlow {

// One line of text at this size, in twentieths of a point; with the
// documents' 12-point spacing a line is never less than that.
int lineHeight(double points, bool spacing12);

struct Estimate {
    int pages = 1;
    QList<int> firstPage; // for each block, the page (from 1) it begins on
};

// fill is the share of each page's text height the estimate may use.
Estimate estimate(const DocumentModel &document, double fill = 1.0);

} // namespace PageFlow
