#include "ChartData.h"

#include "ChartTexts.h"
#include "core/XmlText.h"
#include "projection/NumberReading.h"
#include "projection/ResultsExport.h"
#include "projection/StudySnapshot.h"

#include <QLocale>
#include <algorithm>
#include <array>
#include <cmath>

namespace ChartNumbers {

QString italian(double value)
{
    static const QLocale italy(QLocale::Italian, QLocale::Italy);
    return italy.toString(NumberReading::roundHalfUp(value), 'f', 0);
}

namespace {

// 1, 2 or 5 times a power of ten, the nearest to raw.
double roundStep(double raw)
{
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double f = raw / power;
    const double nice = f < 1.5 ? 1 : f < 3 ? 2 : f < 7 ? 5 : 10;
    return nice * power;
}

} // namespace

ChartData::Axis axis(double lo, double hi, int count, bool years)
{
    if (!(hi > lo)) {
        // One value: a range around it, so the line sits in the middle.
        const double room = years ? 1.0 : std::max(1.0, std::fabs(lo) * 0.05);
        lo -= room;
        hi += room;
    }
    double step = roundStep((hi - lo) / std::max(count, 1));
    if (years)
        step = std::max(step, 1.0);
    ChartData::Axis a;
    // Years span exactly the projection, round ticks inside it: rounding
    // outwards would leave years without data at the ends. Values round
    // outwards so the top and bottom lines carry a label.
    a.min = years ? lo : std::floor(lo / step) * step;
    a.max = years ? hi : std::ceil(hi / step) * step;
    const double first = std::ceil(a.min / step - 1e-9) * step;
    const int ticks = int(std::floor((a.max - first) / step + 1e-9));
    for (int i = 0; i <= ticks; ++i) {
        const double v = first + step * i;
        a.ticks.append({v, years ? NumberReading::plainText(v) : italian(v)});
    }
    return a;
}

} // namespace ChartNumbers

namespace {

using ChartNumbers::italian;

bool isBackward(const StudySnapshot &s)
{
    const int last = s.usedRows();
    return s.table.year[std::size_t(last)] && *s.table.year[std::size_t(last)] < *s.table.year[1];
}

// The rows whose migration the calculation works out: never the first, nor
// the last going forwards. Elsewhere a zero would read as nobody moving.
bool hasMigration(const StudySnapshot &s, int row)
{
    return row != 1 && !(!isBackward(s) && row == s.usedRows());
}

// The grid's values of a column, year by year in calendar order. A
// backward run keeps its natural change with the sign of its own direction;
// read in calendar order it is births less deaths, so the sign turns.
QList<QPointF> column(const StudySnapshot &s, GridColumn c)
{
    const bool migration = c == GridColumn::imm || c == GridColumn::em;
    const double sign = c == GridColumn::aument && isBackward(s) ? -1 : 1;
    QList<QPointF> points;
    for (int row = 1; row <= s.usedRows(); ++row) {
        if (migration && !hasMigration(s, row))
            continue;
        if (s.table.year[std::size_t(row)])
            points.append({*s.table.year[std::size_t(row)], sign * ResultsExport::gridValue(s.table, row, c)});
    }
    std::sort(points.begin(), points.end(), [](const QPointF &a, const QPointF &b) { return a.x() < b.x(); });
    return points;
}

QString subtitleOf(const StudySnapshot &s)
{
    QStringList parts;
    // Controls drawn as text would break the exported SVG.
    for (const QString &typed : {s.titlePage.ricerca, s.titlePage.localita}) {
        const QString text = XmlText::safe(typed).trimmed();
        if (!text.isEmpty())
            parts << text;
    }
    return parts.join(u'\n');
}

// Ranges that hold every value, with room above for the markers' labels.
void axes(ChartData &d)
{
    const QList<QPointF> &p = d.inhabitants.points;
    const auto [low, high] = std::minmax_element(p.begin(), p.end(), [](auto a, auto b) { return a.y() < b.y(); });
    const double lo = std::min(low->y(), d.result.points.first().y());
    const double hi = std::max(high->y(), d.result.points.first().y());
    d.years = ChartNumbers::axis(p.first().x(), p.last().x(), 10, true);
    d.people = ChartNumbers::axis(lo - (hi - lo) * 0.05, hi + (hi - lo) * 0.12, 6, false);
    double flowLo = 0, flowHi = 0;
    for (const ChartData::Series &series : std::as_const(d.components)) {
        for (const QPointF &q : series.points) {
            flowLo = std::min(flowLo, q.y());
            flowHi = std::max(flowHi, q.y());
        }
    }
    d.flows = ChartNumbers::axis(flowLo, flowHi + (flowHi - flowLo) * 0.05, 6, false);
    d.years.title = ChartTexts::kYearAxis;
    d.people.title = ChartTexts::kInhabitantsAxis;
    d.flows.title = ChartTexts::kComponentsAxis;
}

} // namespace

ChartData ChartData::of(const StudySnapshot &s)
{
    ChartData d;
    d.title = ChartTexts::kInhabitantsTitle;
    d.subtitle = subtitleOf(s);
    const std::optional<double> result = NumberReading::italianNumber(s.popolazione);
    if (!result || !s.table.year[1])
        return d;
    d.inhabitants = {ChartTexts::kInhabitantsSeries, column(s, GridColumn::abit)};
    if (d.inhabitants.points.isEmpty())
        return d;
    // The start year is row 1; the target year is the table's last row.
    const double startYear = *s.table.year[1];
    const double known = ResultsExport::gridValue(s.table, 1, GridColumn::abit);
    const double targetYear = s.table.year[std::size_t(s.usedRows())].value_or(startYear);
    d.known = {ChartTexts::knownSeries(NumberReading::plainText(startYear), italian(known)), {{startYear, known}}};
    d.result = {ChartTexts::resultSeries(NumberReading::plainText(targetYear), italian(*result)),
                {{targetYear, *result}}};
    const std::array<GridColumn, 6> columns = {GridColumn::figli, GridColumn::morti, GridColumn::mortivecch,
                                               GridColumn::imm,   GridColumn::em,    GridColumn::aument};
    for (std::size_t i = 0; i < columns.size(); ++i)
        d.components.append({ChartTexts::componentName(int(i)), column(s, columns[i])});
    axes(d);
    return d;
}
