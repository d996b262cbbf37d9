// What the results grid shows: the table as it was at the last redraw, the
// first visible row (VScroll1) and the highlighted row. It neither computes
// nor clears the table; the model tells it when to redraw.
#pragma once

#include "ProjectionTable.h"

#include <QString>
#include <optional>

class GridViewport {
public:
    static constexpr int kVisibleRows = 10;

    // The last table row a redraw or clear may reach for a span of years.
    static int usedRows(qint64 span);

    int VScroll1() const { return m_vscroll1; }
    int VScroll1Maximum() const { return m_vscroll1Max; }
    int highlightedRow() const { return m_highlightedRow; }

    // Moves the first visible row, kept within 1 and the maximum; false when
    // it was already there, and then nothing needs redrawing.
    bool setVScroll1(int value);
    // VScroll1_Change: the maximum follows the span, the highlight goes, and
    // the grid shows the table as it is now until the next redraw.
    void redraw(const ProjectionTable &table, qint64 span);
    // The mouse over a visible row, 1 to 10; anywhere else nothing is lit.
    void ann_MouseMove(int visibleRow);
    void tolgoEvidenza() { m_highlightedRow = 0; }

    // A cell as the grid shows it; empty until the first redraw.
    QString gridCell(int visibleRow, GridColumn column) const;
    // The rows the grid can scroll through: the visible ones at the top
    // scroll position, the target year last at the bottom one.
    int rowCount() const { return m_vscroll1Max + kVisibleRows - 1; }
    // A cell of any of those rows (1 is the start year), as the grid shows it.
    QString tableCell(int tableRow, GridColumn column) const;
    // The table row lit by the pointer, or 0.
    int highlightedTableRow() const { return m_highlightedRow ? m_vscroll1 + m_highlightedRow - 1 : 0; }

private:
    std::optional<ProjectionTable> m_drawn;
    int m_vscroll1 = 1;
    int m_vscroll1Max = 1;
    int m_highlightedRow = 0;
};
