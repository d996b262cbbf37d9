// Column widths of a document table, measured from what its cells hold in
// their font: every column at least as wide as its widest word, the width
// left over going where the text is longest, the whole exactly the width
// given. Pure arithmetic, no word processor involved.
#pragma once

#include <QList>

#include "DocumentModel.h"

namespace TableLayout {

// Space a cell keeps on each side of its text, in twentieths of a point.
inline constexpr int kCellMargin = 57;

// The grid of the table, in twentieths of a point, summing to textWidth.
QList<int> columnWidths(const DocumentModel::Table &table, int textWidth);

// Width a column needs so that its widest word is never broken.
int minimumWidth(const DocumentModel::Table &table, int column);

} // namespace TableLayout
