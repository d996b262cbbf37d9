#include "ResultsGrid.h"

#include "estimate/GridViewport.h"
#include "widgets/Look.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <array>
#include <numeric>

namespace {

// Designed twips: headings 375 high over ten rows at a pitch of 240.
constexpr int kHeaderTwips = 375, kRowsTwips = 2400;

class GridModel : public QAbstractTableModel {
public:
    explicit GridModel(const GridViewport &grid, QObject *parent) : QAbstractTableModel(parent), m_grid(grid) {}

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : m_grid.rowCount(); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : kGridColumnCount; }

    QVariant data(const QModelIndex &index, int role) const override
    {
        const int row = index.row() + 1;
        switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return m_grid.tableCell(row, static_cast<GridColumn>(index.column()));
        case Qt::BackgroundRole:
            return Look::bgr(row == m_grid.highlightedTableRow() ? Look::kYellow : Look::kCyan);
        case Qt::ForegroundRole:
            return QColor(Qt::black);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || section < 0 || section >= kGridColumnCount)
            return QAbstractTableModel::headerData(section, orientation, role);
        const auto column = static_cast<GridColumn>(section);
        switch (role) {
        case Qt::DisplayRole:
            return gridHeaderCaption(column);
        case Qt::ToolTipRole:
        case Qt::AccessibleDescriptionRole:
            return gridHeaderTooltip(column);
        default:
            return {};
        }
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    void showAgain(int oldRows)
    {
        if (oldRows != rowCount()) {
            beginResetModel();
            endResetModel();
        } else if (oldRows > 0) {
            emit dataChanged(index(0, 0), index(oldRows - 1, kGridColumnCount - 1));
        }
    }

private:
    const GridViewport &m_grid;
};

// The smallest type tried: the largest numbers a projection may hold, in
// every column at once, fit the designed grid at about 4 points.
constexpr double kSmallestPoints = 3;

int sum(const std::array<int, kGridColumnCount> &widths)
{
    return std::accumulate(widths.begin(), widths.end(), 0);
}

// Room a cell leaves on each side of its text.
int textMargin(const QWidget *widget)
{
    return widget->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
}

// Each column's widest text with its margins and grid line, heading included
// (drawn between two borders).
std::array<int, kGridColumnCount> widestTexts(const GridViewport &grid, const QFontMetrics &metrics, int margin)
{
    std::array<int, kGridColumnCount> widest{};
    for (int c = 0; c < kGridColumnCount; ++c) {
        const auto column = static_cast<GridColumn>(c);
        int w = 0;
        for (int row = 1; row <= grid.rowCount(); ++row)
            w = std::max(w, metrics.horizontalAdvance(grid.tableCell(row, column)));
        widest[static_cast<std::size_t>(c)] =
            std::max(w + 2 * margin + 1, metrics.horizontalAdvance(gridHeaderCaption(column)) + 2);
    }
    return widest;
}

// Widths for the columns: what each needs and the rest shared equally, or
// when the room is short each in proportion to its need.
std::array<int, kGridColumnCount> shareOut(const std::array<int, kGridColumnCount> &needed, int available)
{
    const int total = sum(needed);
    std::array<int, kGridColumnCount> widths{};
    int used = 0;
    for (std::size_t c = 0; c < widths.size(); ++c) {
        widths[c] =
            total > available ? needed[c] * available / total : needed[c] + (available - total) / kGridColumnCount;
        used += widths[c];
    }
    widths.back() += available - used; // the rounding, to fill the row
    return widths;
}

} // namespace

ResultsGrid::ResultsGrid(const GridViewport &grid, QWidget *parent)
    : QTableView(parent), m_grid(grid), m_model(new GridModel(grid, this))
{
    setModel(m_model);
    m_rows = m_model->rowCount();
    setAccessibleName(QStringLiteral("Tabella dei risultati"));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // VScroll1 beside the grid is its scroll bar.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab leaves the grid, as from any other control.
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setFrameShape(QFrame::NoFrame);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(1);
    // Fixed colours throughout, text included, so any desktop palette reads.
    setStyleSheet(QStringLiteral("QTableView { background: #00ffff; color: black; gridline-color: black;"
                                 " selection-background-color: #000080; selection-color: white; }"
                                 "QHeaderView::section { background: #ffff00; color: black;"
                                 " border: 1px solid black; padding: 0px; }"));
    viewport()->setMouseTracking(true);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (!m_refreshing)
            emit scrolledTo(value + 1);
    });
}

void ResultsGrid::refresh()
{
    m_refreshing = true;
    const int old = m_rows;
    m_rows = m_model->rowCount();
    static_cast<GridModel *>(m_model)->showAgain(old);
    fitColumns();
    verticalScrollBar()->setValue(m_grid.VScroll1() - 1);
    m_refreshing = false;
}

QString ResultsGrid::selectedText() const
{
    QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty())
        return QString();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    QStringList lines, headings;
    for (int c = 0; c < kGridColumnCount; ++c)
        headings << gridHeaderCaption(static_cast<GridColumn>(c));
    lines << headings.join(u'\t');
    for (const QModelIndex &r : rows) {
        QStringList cells;
        for (int c = 0; c < kGridColumnCount; ++c)
            cells << m_grid.tableCell(r.row() + 1, static_cast<GridColumn>(c));
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

void ResultsGrid::copySelection() const
{
    const QString text = selectedText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

QRect ResultsGrid::visibleCellRect(int visibleRow, int column) const
{
    return visualRect(m_model->index(m_grid.VScroll1() + visibleRow - 2, column));
}

void ResultsGrid::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        copySelection();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void ResultsGrid::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    fitSections();
    fitColumns();
}

// The designed proportions at any size the window scales the grid to.
void ResultsGrid::fitSections()
{
    const int header = height() * kHeaderTwips / (kHeaderTwips + kRowsTwips);
    horizontalHeader()->setFixedHeight(header);
    verticalHeader()->setDefaultSectionSize(std::max(1, (height() - header) / GridViewport::kVisibleRows));
}

void ResultsGrid::fitColumns()
{
    const int available = viewport()->width();
    QFont shown = parentWidget() ? parentWidget()->font() : QApplication::font(this);
    std::array<int, kGridColumnCount> needed = widestTexts(m_grid, QFontMetrics(shown, viewport()), textMargin(this));
    // Smaller type until the widest texts fit side by side.
    for (int total = sum(needed); total > available && shown.pointSizeF() > kSmallestPoints; total = sum(needed)) {
        const double points = shown.pointSizeF();
        shown.setPointSizeF(std::max(kSmallestPoints, std::min(points - 0.25, points * available / total)));
        needed = widestTexts(m_grid, QFontMetrics(shown, viewport()), textMargin(this));
    }
    if (font() != shown) {
        setFont(shown);
        horizontalHeader()->setFont(shown);
    }
    if (*std::max_element(needed.begin(), needed.end()) <= available / kGridColumnCount || available <= 0) {
        horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        return;
    }
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const std::array<int, kGridColumnCount> widths = shareOut(needed, available);
    for (int c = 0; c < kGridColumnCount; ++c)
        setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
}

bool ResultsGrid::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        const QModelIndex index = indexAt(static_cast<QMouseEvent *>(event)->position().toPoint());
        if (index.isValid() && index.column() == 0)
            emit yearHovered(index.row() + 2 - m_grid.VScroll1());
    }
    return QTableView::viewportEvent(event);
}
