#include "GridViewport.h"

#include <algorithm>

int GridViewport::usedRows(qint64 span)
{
    return static_cast<int>(std::min<qint64>(span + 1, ProjectionTable::kLastRow));
}

bool GridViewport::setVScroll1(int value)
{
    value = std::clamp(value, 1, m_vscroll1Max);
    if (value == m_vscroll1)
        return false;
    m_vscroll1 = value;
    return true;
}

void GridViewport::redraw(const ProjectionTable &table, qint64 span)
{
    // The last visible row never passes row 200, even after a refused span.
    m_vscroll1Max = std::max(1, usedRows(span) - (kVisibleRows - 1));
    if (m_vscroll1 > m_vscroll1Max)
        m_vscroll1 = m_vscroll1Max;
    tolgoEvidenza();
    m_drawn = table;
}

void GridViewport::ann_MouseMove(int visibleRow)
{
    tolgoEvidenza();
    if (visibleRow >= 1 && visibleRow <= kVisibleRows)
        m_highlightedRow = visibleRow;
}

QString GridViewport::gridCell(int visibleRow, GridColumn column) const
{
    return tableCell(m_vscroll1 + visibleRow - 1, column);
}

QString GridViewport::tableCell(int tableRow, GridColumn column) const
{
    if (!m_drawn)
        return QString();
    return gridCellText(*m_drawn, tableRow, column);
}
