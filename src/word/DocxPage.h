// The A4 page of every document and what fits on it: the text area, a
// picture's size, the empty paragraphs kept one point tall.
#pragma once

#include "DocumentModel.h"

#include <QList>
#include <QSize>

namespace DocxPage {

// The page and its text area, in twentieths of a point: A4 with the margins
// of an Italian Word blank document (2,5 cm at the top, 2 cm elsewhere).
struct Page {
    int width, height, top, bottom, left, right, header, footer;
    int textWidth() const { return width - left - right; }
    int textHeight() const { return height - top - bottom; }
};
Page page(bool landscape);

// A picture of these pixels on the page, in English Metric Units (635 to a
// twip): as wide as the text, no taller than most of the page.
QSize pictureSize(QSize pixels, bool landscape);
QSize pictureSize(QSize pixels, const Page &page);

// For each block, whether it is an empty paragraph that only leads up to a
// new page or the end, which the file keeps one point tall.
QList<bool> compactParagraphs(const DocumentModel &document);

} // namespace DocxPage
