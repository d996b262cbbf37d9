// What the chart of three hypotheses shows: the inhabitants of the low, the
// central and the high hypothesis year by year as the grid rounds them, in
// calendar order (also after a backward run), the band between the lower and
// the higher of low and high in each year, the three results marked at the
// target year, and axes with whole years and Italian numbers. It draws
// nothing: ResultsChart makes a Qt Chart of it.
#pragma once

#include "ChartData.h"

#include <array>

struct HypothesisComparison;
struct StudySnapshot;
struct TitlePageData;

struct HypothesesChartData {
    QString title;
    QString subtitle;                         // research and place, a line each
    QString note;                             // under the chart: what the lines and the squares show
    std::array<ChartData::Series, 3> lines;   // low, central, high
    ChartData::Series bandLow, bandHigh;      // per year the lower and the higher of low and high
    std::array<ChartData::Series, 3> results; // one point each: the target year and the result
    QString resultsName;                      // the results' legend entry
    QString bandName;
    ChartData::Axis years, people;

    bool isEmpty() const { return lines[1].points.isEmpty(); }
    bool operator==(const HypothesesChartData &) const = default;

    static HypothesesChartData of(const HypothesisComparison &comparison, const TitlePageData &titlePage);
    // Empty when the study has no hypotheses.
    static HypothesesChartData of(const StudySnapshot &study);
};
