#include "ResultsChart.h"

#include "ChartDressing.h"
#include "ChartTexts.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <array>

namespace ResultsChart {

namespace {

const QColor kInk(0x1f, 0x29, 0x33);
const QColor kLine(0x1f, 0x4e, 0x79);
const QColor kKnown(0x2e, 0x7d, 0x32);
const QColor kResult(0xc6, 0x28, 0x28);
const QColor kGrid(0xd9, 0xdd, 0xe3);

QFont font(double points)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(points);
    return f;
}

// A QCategoryAxis labels exactly the values it is given, in our format,
// whole: too many labels are thinned out before, never shortened.
QCategoryAxis *axis(const ChartData::Axis &a)
{
    auto *axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setTruncateLabels(false);
    ChartDressing::setTicks(axis, a);
    axis->setTitleText(a.title);
    axis->setTitleFont(font(9));
    axis->setLabelsFont(font(8));
    axis->setLabelsColor(kInk);
    axis->setTitleBrush(kInk);
    axis->setGridLineColor(kGrid);
    axis->setLinePenColor(kInk);
    return axis;
}

QChart *chart()
{
    auto *c = new QChart;
    c->setBackgroundBrush(Qt::white);
    c->setBackgroundRoundness(0);
    c->setDropShadowEnabled(false);
    c->setAnimationOptions(QChart::NoAnimation);
    return c;
}

// The years' axis below, the values' on the left; the dressing keeps as
// many year labels as the width holds.
ChartDressing *axes(QChart *c, const ChartData &d, const ChartData::Axis &values)
{
    QCategoryAxis *years = axis(d.years);
    c->addAxis(years, Qt::AlignBottom);
    c->addAxis(axis(values), Qt::AlignLeft);
    return new ChartDressing(c, years, d.years);
}

void attach(QChart *c, QXYSeries *series)
{
    c->addSeries(series);
    series->attachAxis(c->axes(Qt::Horizontal).first());
    series->attachAxis(c->axes(Qt::Vertical).first());
}

QPen pen(const QColor &colour, double width, const QList<qreal> &dashes = {})
{
    QPen p(colour, width);
    // Round ends make the dots of a dotted line.
    p.setCapStyle(dashes.size() == 2 && dashes[0] < 1 ? Qt::RoundCap : Qt::FlatCap);
    if (!dashes.isEmpty())
        p.setDashPattern(dashes);
    return p;
}

QLineSeries *line(const ChartData::Series &s, const QPen &pen)
{
    auto *series = new QLineSeries;
    series->setName(s.name);
    series->append(s.points);
    series->setPen(pen);
    return series;
}

QScatterSeries *marker(const ChartData::Series &s, const QColor &colour, QScatterSeries::MarkerShape shape)
{
    auto *series = new QScatterSeries;
    series->setName(s.name);
    series->append(s.points);
    series->setMarkerShape(shape);
    series->setMarkerSize(11);
    series->setColor(colour);
    series->setBorderColor(Qt::white);
    return series;
}

// The number of a marker series, the end of its name.
QString number(const ChartData::Series &s)
{
    return s.name.section(QStringLiteral(": "), -1);
}

} // namespace

QChart *inhabitants(const ChartData &d)
{
    QChart *c = chart();
    ChartDressing *dressing = axes(c, d, d.people);
    const QPen linePen = pen(kLine, 2.4);
    QLineSeries *people = line(d.inhabitants, linePen);
    attach(c, people);
    QList<ChartDressing::Entry> legend = {{d.inhabitants.name, linePen, ChartDressing::Mark::None, {}}};
    QList<ChartDressing::Label> labels;
    if (!d.known.points.isEmpty()) {
        QScatterSeries *known = marker(d.known, kKnown, QScatterSeries::MarkerShapeCircle);
        attach(c, known);
        legend.append({d.known.name, Qt::NoPen, ChartDressing::Mark::Circle, kKnown});
        labels.append({known, number(d.known), kKnown.darker(120)});
    }
    if (!d.result.points.isEmpty()) {
        QScatterSeries *result = marker(d.result, kResult, QScatterSeries::MarkerShapeRectangle);
        attach(c, result);
        legend.append({d.result.name, Qt::NoPen, ChartDressing::Mark::Square, kResult});
        labels.append({result, number(d.result), kResult.darker(120)});
    }
    dressing->setHeader(d.title, d.subtitle, d.change);
    dressing->setLegend(legend);
    dressing->setNote(d.note);
    dressing->setLabels(people, labels);
    return c;
}

QChart *components(const ChartData &d)
{
    QChart *c = chart();
    ChartDressing *dressing = axes(c, d, d.flows);
    // Patterns and widths tell the six apart on a page printed in gray.
    const std::array<QPen, 6> pens = {
        pen(QColor(0x2e, 0x7d, 0x32), 1.8),           pen(QColor(0x8e, 0x24, 0xaa), 2.6, {0.1, 1.8}),
        pen(QColor(0x45, 0x5a, 0x64), 1.8, {5, 2.5}), pen(QColor(0x02, 0x88, 0xd1), 1.8, {5, 2, 1, 2}),
        pen(QColor(0xef, 0x6c, 0x00), 1.8, {2, 2}),   pen(kInk, 3.0)};
    QList<ChartDressing::Entry> legend;
    for (qsizetype i = 0; i < d.components.size(); ++i) {
        const QPen &p = pens[std::size_t(i) % pens.size()];
        attach(c, line(d.components[i], p));
        legend.append({d.components[i].name, p, ChartDressing::Mark::None, {}});
    }
    dressing->setHeader(ChartTexts::kComponentsTitle, d.subtitle, QString());
    dressing->setLegend(legend);
    return c;
}

} // namespace ResultsChart
