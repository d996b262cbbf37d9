#include "ResultsChart.h"

#include "ChartTexts.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLegendMarker>
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

QFont font(double points, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// A QCategoryAxis labels exactly the values it is given, in our format.
// The years' axis runs a little past its ends, so the markers of the first
// and last year and the numbers above them show whole.
QCategoryAxis *axis(const ChartData::Axis &a, bool padded = false)
{
    auto *axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    // The first label sits on the start value: the axis starts a hair before.
    const double hair = (a.max - a.min) * 1e-9;
    axis->setStartValue(a.min - hair);
    for (const auto &[value, label] : a.ticks)
        axis->append(label, value);
    const double pad = padded ? (a.max - a.min) * 0.04 : 0;
    axis->setRange(a.min - hair - pad, a.max + pad);
    axis->setTitleText(a.title);
    axis->setTitleFont(font(9));
    axis->setLabelsFont(font(8));
    axis->setLabelsColor(kInk);
    axis->setTitleBrush(kInk);
    axis->setGridLineColor(kGrid);
    axis->setLinePenColor(kInk);
    return axis;
}

QChart *chart(const QString &title, const QString &subtitle)
{
    auto *c = new QChart;
    // The study's names under the title, smaller, a line each.
    QString html = QStringLiteral("<b>") + title.toHtmlEscaped() + QStringLiteral("</b>");
    for (const QString &line : subtitle.split(u'\n', Qt::SkipEmptyParts))
        html += QStringLiteral("<br><span style=\"font-size:8pt\">") + line.toHtmlEscaped() + QStringLiteral("</span>");
    c->setTitle(html);
    c->setTitleFont(font(11));
    c->setTitleBrush(kInk);
    c->setBackgroundBrush(Qt::white);
    c->setBackgroundRoundness(0);
    c->setDropShadowEnabled(false);
    c->setAnimationOptions(QChart::NoAnimation);
    c->legend()->setAlignment(Qt::AlignBottom);
    c->legend()->setFont(font(8));
    c->legend()->setLabelColor(kInk);
    c->setMargins(QMargins(6, 6, 14, 6));
    return c;
}

void attach(QChart *c, QXYSeries *series, const ChartData &d, const ChartData::Axis &values)
{
    c->addSeries(series);
    if (c->axes(Qt::Horizontal).isEmpty()) {
        c->addAxis(axis(d.years, true), Qt::AlignBottom);
        c->addAxis(axis(values), Qt::AlignLeft);
    }
    series->attachAxis(c->axes(Qt::Horizontal).first());
    series->attachAxis(c->axes(Qt::Vertical).first());
}

QLineSeries *line(const ChartData::Series &s, const QColor &colour, double width)
{
    auto *series = new QLineSeries;
    series->setName(s.name);
    series->append(s.points);
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    series->setPen(pen);
    return series;
}

// One point with its number written above it.
QScatterSeries *marker(const ChartData::Series &s, const QColor &colour, QScatterSeries::MarkerShape shape)
{
    auto *series = new QScatterSeries;
    series->setName(s.name);
    series->append(s.points);
    series->setMarkerShape(shape);
    series->setMarkerSize(11);
    series->setColor(colour);
    series->setBorderColor(Qt::white);
    // One point, so the label can be the fixed text of its number.
    const QString number = s.name.section(QStringLiteral(": "), -1);
    series->setPointLabelsFormat(number);
    series->setPointLabelsVisible(true);
    series->setPointLabelsClipping(false);
    series->setPointLabelsFont(font(9, true));
    series->setPointLabelsColor(colour.darker(120));
    return series;
}

} // namespace

QChart *inhabitants(const ChartData &d)
{
    QChart *c = chart(d.title, d.subtitle);
    attach(c, line(d.inhabitants, kLine, 2.2), d, d.people);
    if (!d.known.points.isEmpty())
        attach(c, marker(d.known, kKnown, QScatterSeries::MarkerShapeCircle), d, d.people);
    if (!d.result.points.isEmpty())
        attach(c, marker(d.result, kResult, QScatterSeries::MarkerShapeRectangle), d, d.people);
    return c;
}

QChart *components(const ChartData &d)
{
    QChart *c = chart(ChartTexts::kComponentsTitle, d.subtitle);
    // Six names need the height of the plot, not its width.
    c->legend()->setAlignment(Qt::AlignRight);
    static const std::array<QColor, 6> colours = {QColor(0x2e, 0x7d, 0x32), QColor(0x8e, 0x24, 0xaa),
                                                  QColor(0x45, 0x5a, 0x64), QColor(0x02, 0x88, 0xd1),
                                                  QColor(0xef, 0x6c, 0x00), QColor(0x1f, 0x29, 0x33)};
    for (qsizetype i = 0; i < d.components.size(); ++i) {
        QLineSeries *s = line(d.components[i], colours[std::size_t(i) % colours.size()], i == 5 ? 2.2 : 1.6);
        if (i == 5)
            s->setPen(QPen(colours[5], 2.2, Qt::DashLine));
        attach(c, s, d, d.flows);
    }
    return c;
}

} // namespace ResultsChart
