#include "ChartDressing.h"

#include "estimate/NumberReading.h"

#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsEllipseItem>
#include <QGraphicsLayout>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsTextItem>
#include <QMarginsF>
#include <QScopedValueRollback>
#include <QTextDocument>
#include <QXYSeries>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double kSide = 8;       // left and right of the texts
constexpr double kTop = 6;        // above the title
constexpr double kGap = 6;        // between two blocks of text
constexpr double kAboveAxis = 12; // room for half the top label of the values' axis
constexpr double kSwatch = 36;    // a legend swatch and the space after it
constexpr double kEntrySpace = 16;
constexpr double kRowSpace = 3;
constexpr double kPlotRoom = 150;    // the least height the plot and its axes keep
constexpr double kYearPad = 0.04;    // the years' axis runs this share past each end
constexpr double kLabelSpacing = 14; // between two year labels
const QColor kInk(0x1f, 0x29, 0x33);

QFont font(double points, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QGraphicsTextItem *text(QGraphicsItem *parent, const QFont &f, const QColor &colour = kInk)
{
    auto *item = new QGraphicsTextItem(parent);
    item->document()->setDocumentMargin(0);
    item->setFont(f);
    item->setDefaultTextColor(colour);
    item->setZValue(20);
    return item;
}

// The height a text takes, none when it is empty.
double height(const QGraphicsTextItem *item)
{
    return item->toPlainText().isEmpty() ? 0 : item->boundingRect().height();
}

QString block(const QString &plain, const char *align)
{
    QString html = QStringLiteral("<div align=\"%1\">").arg(QLatin1String(align));
    html += plain.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>"));
    return html + QStringLiteral("</div>");
}

bool crosses(const QRectF &box, const QList<QPointF> &line)
{
    const QRectF r = box.adjusted(-3, -3, 3, 3);
    const std::array<QLineF, 4> edges = {QLineF(r.topLeft(), r.topRight()), QLineF(r.topRight(), r.bottomRight()),
                                         QLineF(r.bottomRight(), r.bottomLeft()), QLineF(r.bottomLeft(), r.topLeft())};
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (r.contains(line[i]))
            return true;
        if (i == 0)
            continue;
        const QLineF segment(line[i - 1], line[i]);
        for (const QLineF &edge : edges) {
            if (segment.intersects(edge) == QLineF::BoundedIntersection)
                return true;
        }
    }
    return false;
}

// Places for a box of size by a marker at p, the preferred first.
std::array<QRectF, 8> around(QPointF p, QSizeF size)
{
    const double r = 9, w = size.width(), h = size.height();
    const auto at = [&](double x, double y) { return QRectF(QPointF(x, y), size); };
    return {at(p.x() - w / 2, p.y() - r - h), at(p.x() - w / 2, p.y() + r),     at(p.x() - r - w, p.y() - r - h + 2),
            at(p.x() + r, p.y() - r - h + 2), at(p.x() - r - w, p.y() + r - 2), at(p.x() + r, p.y() + r - 2),
            at(p.x() - r - w, p.y() - h / 2), at(p.x() + r, p.y() - h / 2)};
}

} // namespace

ChartDressing::ChartDressing(QChart *chart, QCategoryAxis *yearAxis, const ChartData::Axis &years)
    : QObject(chart), m_chart(chart), m_yearAxis(yearAxis), m_years(years), m_header(text(chart, font(8))),
      m_axisNote(text(chart, font(8))), m_note(text(chart, font(8)))
{
    m_legendFont = font(8);
    chart->setTitle(QString());
    chart->legend()->hide();
    // The white background fills the chart, so the texts laid out from its
    // edges stay on it.
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    connect(chart, &QChart::geometryChanged, this, &ChartDressing::relayout);
    connect(chart, &QChart::plotAreaChanged, this, &ChartDressing::placeLabels);
}

void ChartDressing::setHeader(const QString &title, const QString &subtitle, const QString &axisNote)
{
    m_title = title;
    m_subtitle = subtitle;
    m_axisNote->setHtml(block(axisNote, "left"));
    relayout();
}

void ChartDressing::setLegend(const QList<Entry> &entries)
{
    for (const Entry &e : entries) {
        Swatch s{new QGraphicsLineItem(m_chart), nullptr, text(m_chart, font(8))};
        s.line->setPen(e.pen);
        if (e.mark == Mark::Circle)
            s.mark = new QGraphicsEllipseItem(-5, -5, 10, 10, m_chart);
        else if (e.mark == Mark::Square)
            s.mark = new QGraphicsRectItem(-5, -5, 10, 10, m_chart);
        if (s.mark) {
            s.mark->setBrush(e.fill);
            s.mark->setPen(QPen(Qt::white, 1));
        }
        s.text->setPlainText(e.text);
        m_legend.append(s);
    }
    relayout();
}

void ChartDressing::setNote(const QString &note)
{
    m_note->setHtml(block(note, "left"));
    relayout();
}

void ChartDressing::setLabels(QXYSeries *line, const QList<Label> &labels)
{
    m_line = line;
    for (const Label &label : labels) {
        QGraphicsTextItem *item = text(m_chart, font(9, true), label.colour);
        item->setPlainText(label.text);
        m_labels.append({label, item});
    }
    placeLabels();
}

void ChartDressing::setTicks(QCategoryAxis *axis, const ChartData::Axis &a, double pad)
{
    for (const QString &label : axis->categoriesLabels())
        axis->remove(label);
    const double span = a.max > a.min ? a.max - a.min : 1;
    // The first label sits on the start value: the axis starts a hair before.
    const double hair = span * 1e-9;
    axis->setStartValue(a.min - hair);
    for (const auto &[value, label] : a.ticks)
        axis->append(label, value);
    axis->setRange(a.min - hair - span * pad, a.max + span * pad);
}

void ChartDressing::settle(QChart *chart)
{
    for (int pass = 0; pass < 4 && chart->layout() && !chart->layout()->isActivated(); ++pass)
        chart->layout()->activate();
}

// The title block on top, the axis note under it; the legend and the note
// at the foot; the plot gets what is left between them, and smaller type
// when long texts would leave it too little.
void ChartDressing::relayout()
{
    if (m_busy || m_chart->size().isEmpty())
        return;
    {
        const QScopedValueRollback busy(m_busy, true);
        const QSizeF size = m_chart->size();
        QMarginsF room;
        for (const double points : {8.0, 7.0, 6.0}) {
            room = setType(points);
            if (size.height() - room.top() - room.bottom() >= kPlotRoom)
                break;
        }
        m_chart->setMargins(QMargins(4, int(std::ceil(room.top())), 14, int(std::ceil(room.bottom()))));
        m_header->setPos(kSide, kTop);
        m_axisNote->setPos(kSide, kTop + height(m_header) + kGap);
        const double foot = size.height() - room.bottom() + kGap;
        const double legend = layOutLegend(foot);
        m_note->setPos(kSide, foot + legend + kGap);
    }
    // The plot takes its new place now, not at the next turn of the event
    // loop: a picture taken at once shows texts and plot together.
    settle(m_chart);
    placeLabels();
}

// The texts in type of points (the title larger), wrapped to the width;
// returns the room they take above and below the plot.
QMarginsF ChartDressing::setType(double points)
{
    const double inner = std::max(m_chart->size().width() - 2 * kSide, 60.0);
    QString html =
        QStringLiteral("<div align=\"center\"><span style=\"font-size:%1pt; font-weight:bold\">").arg(points * 11 / 8) +
        m_title.toHtmlEscaped() + QStringLiteral("</span>");
    for (const QString &line : m_subtitle.split(u'\n', Qt::SkipEmptyParts))
        html += QStringLiteral("<br>") + line.toHtmlEscaped();
    m_header->setHtml(html + QStringLiteral("</div>"));
    m_legendFont = font(points);
    for (QGraphicsTextItem *item : {m_header, m_axisNote, m_note}) {
        item->setFont(m_legendFont);
        item->setTextWidth(inner);
    }
    for (const Swatch &s : std::as_const(m_legend))
        s.text->setFont(m_legendFont);
    double top = kTop + height(m_header);
    top += height(m_axisNote) > 0 ? kGap + height(m_axisNote) : 0;
    const double legend = layOutLegend(0);
    const double note = height(m_note) > 0 ? kGap + height(m_note) : 0;
    return {0, top + kAboveAxis, 0, kGap + legend + note + kTop};
}

// Entries in centred rows, a text too long for a row wrapped; returns the
// height they take from top.
double ChartDressing::layOutLegend(double top)
{
    const double inner = std::max(m_chart->size().width() - 2 * kSide, 60.0);
    QList<QList<qsizetype>> rows;
    QList<double> widths;
    for (qsizetype i = 0; i < m_legend.size(); ++i) {
        QGraphicsTextItem *t = m_legend[i].text;
        t->setTextWidth(-1);
        if (t->boundingRect().width() > inner - kSwatch)
            t->setTextWidth(inner - kSwatch);
        const double w = kSwatch + t->boundingRect().width();
        if (rows.isEmpty() || widths.last() + kEntrySpace + w > inner) {
            rows.append(QList<qsizetype>());
            widths.append(-kEntrySpace);
        }
        rows.last().append(i);
        widths.last() += kEntrySpace + w;
    }
    const double lineHeight = QFontMetricsF(m_legendFont).height();
    double y = top;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        double x = kSide + (inner - widths[r]) / 2, rowHeight = 0;
        for (const qsizetype i : std::as_const(rows[r])) {
            const Swatch &s = m_legend[i];
            s.line->setLine(x, y + lineHeight / 2, x + kSwatch - 8, y + lineHeight / 2);
            if (s.mark)
                s.mark->setPos(x + (kSwatch - 8) / 2, y + lineHeight / 2);
            s.text->setPos(x + kSwatch, y);
            x += kSwatch + s.text->boundingRect().width() + kEntrySpace;
            rowHeight = std::max(rowHeight, s.text->boundingRect().height());
        }
        y += rowHeight + (r + 1 < rows.size() ? kRowSpace : 0);
    }
    return y - top;
}

// As many year labels as the plot's width holds, whole and never cut.
void ChartDressing::fitYears(double plotWidth)
{
    if (!m_yearAxis || !(m_years.max > m_years.min) || plotWidth <= 0)
        return;
    const QFontMetricsF metrics(m_yearAxis->labelsFont());
    const double label = std::max(metrics.horizontalAdvance(NumberReading::plainText(m_years.min)),
                                  metrics.horizontalAdvance(NumberReading::plainText(m_years.max)));
    const double perYear = plotWidth / ((m_years.max - m_years.min) * (1 + 2 * kYearPad));
    const ChartData::Axis fitted = ChartNumbers::years(m_years.min, m_years.max, (label + kLabelSpacing) / perYear);
    QStringList labels;
    for (const auto &tick : fitted.ticks)
        labels << tick.second;
    // The first time also to widen the range past the first and last years.
    if (labels != m_yearAxis->categoriesLabels() || !(m_yearAxis->min() < m_years.min - kYearPad / 2))
        setTicks(m_yearAxis, fitted, kYearPad);
}

// Each marker's number beside it, where it crosses neither the line nor
// another number and stays inside the plot.
void ChartDressing::placeLabels()
{
    if (m_busy)
        return;
    const QScopedValueRollback busy(m_busy, true);
    const QRectF plot = m_chart->plotArea();
    fitYears(plot.width());
    // Clear of the axes too, so a number is not read as one of their labels.
    const QRectF inside = plot.adjusted(8, 2, -8, -2);
    QList<QPointF> line;
    if (m_line) {
        for (const QPointF &p : m_line->points())
            line.append(m_chart->mapToPosition(p, m_line));
    }
    QList<QRectF> taken;
    for (const auto &[label, item] : std::as_const(m_labels))
        taken.append(
            QRectF(m_chart->mapToPosition(label.marker->at(0), label.marker), QSizeF()).adjusted(-7, -7, 7, 7));
    for (const auto &[label, item] : std::as_const(m_labels)) {
        const QPointF at = m_chart->mapToPosition(label.marker->at(0), label.marker);
        const auto places = around(at, item->boundingRect().size());
        int best = 0, bestScore = 1000;
        for (int i = 0; i < int(places.size()); ++i) {
            const QRectF &box = places[std::size_t(i)];
            const bool clash =
                std::any_of(taken.begin(), taken.end(), [&](const QRectF &t) { return t.intersects(box); });
            const int score = (inside.contains(box) ? 0 : 4) + (crosses(box, line) ? 2 : 0) + (clash ? 1 : 0);
            if (score < bestScore) {
                best = i;
                bestScore = score;
            }
        }
        item->setPos(places[std::size_t(best)].topLeft());
        taken.append(places[std::size_t(best)]);
    }
}
