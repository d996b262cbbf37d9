// The results grid as a table view: nine columns, ten rows in sight, cyan
// cells under yellow headings, the row under the pointer lit yellow. It
// shows what GridViewport holds and never edits it; scrolling stays with
// VScroll1 beside it. Being a real table it also moves by keys, selects
// rows, copies them and reads as a table to a screen reader. Large numbers
// widen their columns, or shrink the font, but are never cut.
#pragma once

#include <QTableView>

class GridViewport;
class QAbstractTableModel;

class ResultsGrid : public QTableView {
    Q_OBJECT

public:
    ResultsGrid(const GridViewport &grid, QWidget *parent);

    // Shows the viewport as it is now: its rows, first row, highlight.
    void refresh();
    // The selected rows with the headings, tab-separated, one line each:
    // what a spreadsheet pastes as numbers.
    QString selectedText() const;
    void copySelection() const;
    // Where a cell of visible row 1 to 10 lies in the viewport.
    QRect visibleCellRect(int visibleRow, int column) const;

signals:
    // The user moved through the rows by keys or wheel: the first row now in sight.
    void scrolledTo(int firstRow);
    // The pointer is over the year cell of visible row 1 to 10.
    void yearHovered(int visibleRow);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    void fitSections();
    // Every number whole: the designed equal columns while they all fit, else
    // columns as wide as their widest text, and a smaller font when even
    // that is too wide.
    void fitColumns();

    const GridViewport &m_grid;
    QAbstractTableModel *m_model;
    int m_rows = 0;
    bool m_refreshing = false;
};
