#include "ChartData.h"

#include "ChartTexts.h"
#include "ResultsExport.h"
#include "core/XmlText.h"
#include "estimate/NumberReading.h"
#include "estimate/StudySnapshot.h"

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

ChartData::Axis axis(double lo, double hi, int count)
{
    if (!(hi > lo)) {
        // One value: a range around it, so the line sits in the middle.
        const double room = std::max(1.0, std::fabs(lo) * 0.05);
        lo -= room;
        hi += room;
    }
    const double step = roundStep((hi - lo) / std::max(count, 1));
    ChartData::Axis a;
    // Round outwards so the top and bottom lines carry a label.
    a.min = std::floor(lo / step) * step;
    a.max = std::ceil(hi / step) * step;
    const int ticks = int(std::floor((a.max - a.min) / step + 1e-9));
    for (int i = 0; i <= ticks; ++i)
        a.ticks.append({a.min + step * i, italian(a.min + step * i)});
    return a;
}

ChartData::Axis years(double first, double last, double minGap)
{
    ChartData::Axis a;
    a.min = first;
    a.max = last;
    a.ticks.append({first, NumberReading::plainText(first)});
    if (!(last > first))
        return a;
    // The first and last years always; between them round years, as many as
    // leave minGap years between two labels.
    static const std::array<double, 8> steps = {1, 2, 5, 10, 20, 50, 100, 200};
    const auto fits = std::find_if(steps.begin(), steps.end(), [&](double s) { return s >= minGap - 1e-9; });
    const double step = fits == steps.end() ? steps.back() : *fits;
    for (double v = std::ceil(first / step) * step; v < last; v += step) {
        if (v - first >= minGap - 1e-9 && last - v >= minGap - 1e-9)
            a.ticks.append({v, NumberReading::plainText(v)});
    }
    a.ticks.append({last, NumberReading::plainText(last)});
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

QList<QPointF> inCalendarOrder(QList<QPointF> points)
{
    std::sort(points.begin(), points.end(), [](const QPointF &a, const QPointF &b) { return a.x() < b.x(); });
    return points;
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
    return inCalendarOrder(points);
}

// The inhabitants at the start of each year, before that year's migration:
// the known ones, then each year the number the calculation carries on, the
// last of which is the result. The grid shows them after migration, so its
// line would jump where a row has none.
QList<QPointF> startOfYear(const StudySnapshot &s)
{
    const ProjectionTable &t = s.table;
    QList<QPointF> points;
    for (int row = 1; row <= s.usedRows(); ++row) {
        const auto r = std::size_t(row);
        if (!t.year[r])
            continue;
        const double carried = row == 1 ? ResultsExport::gridValue(t, 1, GridColumn::abit)
                                        : NumberReading::roundHalfUp(t.inhabitants[r - 1] + t.naturalChange[r - 1]);
        points.append({*t.year[r], carried});
    }
    return inCalendarOrder(points);
}

bool anyMigration(const StudySnapshot &s)
{
    for (int row = 1; row <= s.usedRows(); ++row) {
        if (s.table.immigrants[std::size_t(row)] != 0 || s.table.emigrants[std::size_t(row)] != 0)
            return true;
    }
    return false;
}

// What the line shows and, after a backward run, why the table's last row
// holds another number than the result.
QString noteOf(const StudySnapshot &s, double result)
{
    QString note = ChartTexts::lineNote(anyMigration(s));
    const int last = s.usedRows();
    const double row = ResultsExport::gridValue(s.table, last, GridColumn::abit);
    if (isBackward(s) && row != result) {
        const QString year = NumberReading::plainText(*s.table.year[std::size_t(last)]);
        note += u' ' + ChartTexts::lastRowNote(year, italian(row), italian(result));
    }
    return note;
}

QString percent(double from, double to)
{
    if (from == 0)
        return {};
    static const QLocale italy(QLocale::Italian, QLocale::Italy);
    const double change = (to - from) / from * 100;
    const QString text = italy.toString(change, 'f', 1) + u'%';
    return change > 0 ? u'+' + text : text;
}

// Ranges that hold every value, with room above and below for the markers'
// labels.
void axes(ChartData &d)
{
    const QList<QPointF> &p = d.inhabitants.points;
    const auto [low, high] = std::minmax_element(p.begin(), p.end(), [](auto a, auto b) { return a.y() < b.y(); });
    const double lo = low->y(), hi = high->y();
    d.years = ChartNumbers::years(p.first().x(), p.last().x(), (p.last().x() - p.first().x()) / 10);
    d.people = ChartNumbers::axis(lo - (hi - lo) * 0.12, hi + (hi - lo) * 0.12, 6);
    double flowLo = 0, flowHi = 0;
    for (const ChartData::Series &series : std::as_const(d.components)) {
        for (const QPointF &q : series.points) {
            flowLo = std::min(flowLo, q.y());
            flowHi = std::max(flowHi, q.y());
        }
    }
    const double flowRoom = (flowHi - flowLo) * 0.05;
    d.flows = ChartNumbers::axis(flowLo < 0 ? flowLo - flowRoom : flowLo, flowHi + flowRoom, 6);
    d.years.title = ChartTexts::kYearAxis;
    d.people.title = ChartTexts::kInhabitantsAxis;
    d.flows.title = ChartTexts::kComponentsAxis;
    d.change = ChartTexts::changeNote(NumberReading::plainText(p.first().x()), NumberReading::plainText(p.last().x()),
                                      italian(p.first().y()), italian(p.last().y()),
                                      percent(p.first().y(), p.last().y()), d.people.min <= 0);
}

} // namespace

QString ChartData::subtitleOf(const TitlePageData &titlePage)
{
    QStringList parts;
    // Controls drawn as text would break the exported SVG.
    for (const QString &typed : {titlePage.ricerca, titlePage.localita}) {
        const QString text = XmlText::safe(typed).trimmed();
        if (!text.isEmpty())
            parts << text;
    }
    return parts.join(u'\n');
}

ChartData ChartData::of(const StudySnapshot &s)
{
    ChartData d;
    d.title = ChartTexts::kInhabitantsTitle;
    d.subtitle = subtitleOf(s.titlePage);
    const std::optional<double> result = NumberReading::italianNumber(s.popolazione);
    if (!result || !s.table.year[1])
        return d;
    d.inhabitants = {ChartTexts::kInhabitantsSeries, startOfYear(s)};
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
        d.components.append({ChartTexts::componentName(int(i), isBackward(s)), column(s, columns[i])});
    d.note = noteOf(s, *result);
    axes(d);
    return d;
}
