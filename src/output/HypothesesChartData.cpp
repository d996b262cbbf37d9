#include "HypothesesChartData.h"

#include "ChartTexts.h"
#include "estimate/HypothesisComparison.h"
#include "estimate/NumberReading.h"
#include "estimate/StudySnapshot.h"

#include <algorithm>

namespace {

using Hypotheses::Kind;

QList<QPointF> inCalendarOrder(const HypothesisColumn &c)
{
    QList<QPointF> points;
    for (std::size_t i = 0; i < c.years.size() && i < c.inhabitants.size(); ++i)
        points.append({double(c.years[i]), c.inhabitants[i]});
    std::sort(points.begin(), points.end(), [](const QPointF &a, const QPointF &b) { return a.x() < b.x(); });
    return points;
}

// Low and high may cross (fewer emigrants in the low one, say): the band
// holds both whichever is above.
void band(HypothesesChartData &d)
{
    const QList<QPointF> &low = d.lines[0].points, &high = d.lines[2].points;
    for (qsizetype i = 0; i < low.size() && i < high.size(); ++i) {
        d.bandLow.points.append({low[i].x(), std::min(low[i].y(), high[i].y())});
        d.bandHigh.points.append({low[i].x(), std::max(low[i].y(), high[i].y())});
    }
}

// A backward run's last row holds the inhabitants after that year's
// migration, not the result: the note says why a square may sit off its line.
bool lastRowDiffers(const HypothesisComparison &c)
{
    return std::any_of(c.columns.begin(), c.columns.end(), [](const HypothesisColumn &col) {
        const auto result = NumberReading::italianNumber(col.result);
        return !col.inhabitants.empty() && result && *result != col.inhabitants.back();
    });
}

void axes(HypothesesChartData &d)
{
    double lo = d.bandLow.points.first().y(), hi = lo;
    for (const auto *group : {&d.lines, &d.results}) {
        for (const ChartData::Series &s : *group) {
            for (const QPointF &p : s.points) {
                lo = std::min(lo, p.y());
                hi = std::max(hi, p.y());
            }
        }
    }
    const double first = d.lines[1].points.first().x(), last = d.lines[1].points.last().x();
    d.years = ChartNumbers::years(first, last, (last - first) / 10);
    d.people = ChartNumbers::axis(lo - (hi - lo) * 0.12, hi + (hi - lo) * 0.12, 6);
    d.years.title = ChartTexts::kYearAxis;
    d.people.title = ChartTexts::kInhabitantsAxis;
}

} // namespace

HypothesesChartData HypothesesChartData::of(const HypothesisComparison &c, const TitlePageData &titlePage)
{
    HypothesesChartData d;
    d.title = ChartTexts::kHypothesesTitle;
    d.subtitle = ChartData::subtitleOf(titlePage);
    for (const Kind kind : Hypotheses::kKinds) {
        const HypothesisColumn &column = c.column(kind);
        const auto i = std::size_t(kind);
        d.lines[i] = {ChartTexts::hypothesisSeries(Hypotheses::name(kind)), inCalendarOrder(column)};
        const auto result = NumberReading::italianNumber(column.result);
        if (d.lines[i].points.isEmpty() || !result || column.years.empty())
            return {};
        // The target year is the grid's last row, whichever way the run went.
        const QString year = NumberReading::plainText(column.years.back());
        d.results[i] = {ChartTexts::hypothesisResult(Hypotheses::name(kind), year, ChartNumbers::italian(*result)),
                        {{double(column.years.back()), *result}}};
        d.resultsName = ChartTexts::hypothesesResults(year);
    }
    d.bandName = ChartTexts::kHypothesesBand;
    d.note = ChartTexts::hypothesesNote(lastRowDiffers(c));
    band(d);
    axes(d);
    return d;
}

HypothesesChartData HypothesesChartData::of(const StudySnapshot &s)
{
    return s.hypotheses ? of(*s.hypotheses, s.titlePage) : HypothesesChartData{};
}
