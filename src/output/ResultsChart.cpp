#include "ResultsChart.h"

#include "ChartDressing.h"
#include "ChartTexts.h"

#include <QAreaSeries>
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
const QColor kLow(0x00, 0x79, 0x6b);
const QColor kHigh(0xad, 0x14, 0x57);
const QColor kBand(0x1f, 0x4e, 0x79, 0x30);

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
ChartDressing *axes(QChart *c, const ChartData::Axis &yearAxis, const ChartData::Axis &values)
{
    QCategoryAxis *years = axis(yearAxis);
    c->addAxis(years, Qt::AlignBottom);
    c->addAxis(axis(values), Qt::AlignLeft);
    return new ChartDressing(c, years, yearAxis);
}

void attach(QChart *c, QAbstractSeries *series)
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
    ChartDressing *dressing = axes(c, d.years, d.people);
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
    ChartDressing *dressing = axes(c, d.years, d.flows);
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

namespace {

// The band under the lines: its two edges belong to it.
QAreaSeries *shaded(const HypothesesChartData &d)
{
    auto *low = new QLineSeries, *high = new QLineSeries;
    low->append(d.bandLow.points);
    high->append(d.bandHigh.points);
    auto *band = new QAreaSeries(high, low);
    low->setParent(band);
    high->setParent(band);
    band->setName(d.bandName);
    band->setPen(Qt::NoPen);
    band->setBrush(kBand);
    return band;
}

} // namespace

QChart *hypotheses(const HypothesesChartData &d)
{
    QChart *c = chart();
    ChartDressing *dressing = axes(c, d.years, d.people);
    attach(c, shaded(d));
    // Patterns and widths tell low and high apart on a page printed in gray.
    const std::array<QPen, 3> pens = {pen(kLow, 1.6, {5, 3}), pen(kLine, 2.8), pen(kHigh, 1.6, {1.5, 2.5})};
    const std::array<QColor, 3> colours = {kLow, kLine, kHigh};
    QList<ChartDressing::Entry> legend = {{d.bandName, QPen(kBand, 9), ChartDressing::Mark::None, {}}};
    QList<QLineSeries *> lines;
    for (std::size_t i = 0; i < pens.size(); ++i) {
        lines.append(line(d.lines[i], pens[i]));
        attach(c, lines.last());
        legend.append({d.lines[i].name, pens[i], ChartDressing::Mark::None, {}});
    }
    QList<ChartDressing::Label> labels;
    for (std::size_t i = 0; i < colours.size(); ++i) {
        QScatterSeries *result = marker(d.results[i], colours[i], QScatterSeries::MarkerShapeRectangle);
        attach(c, result);
        labels.append({result, number(d.results[i]), colours[i].darker(120)});
    }
    legend.append({d.resultsName, Qt::NoPen, ChartDressing::Mark::Square, kInk});
    dressing->setHeader(d.title, d.subtitle, QString());
    dressing->setLegend(legend);
    dressing->setNote(d.note);
    dressing->setLabels(lines[1], labels);
    return c;
}

} // namespace ResultsChart
