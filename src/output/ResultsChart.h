// The charts of a study as Qt Charts, built from its ChartData: the
// inhabitants (a line, the known start and the result marked and labelled)
// and the six yearly components; and the chart of its three hypotheses. Axes carry the data's own ticks, so every
// number reads the Italian way. The caller owns what it gets.
#pragma once

#include "ChartData.h"
#include "HypothesesChartData.h"

class QChart;

namespace ResultsChart {

QChart *inhabitants(const ChartData &data);
QChart *components(const ChartData &data);
// The three hypotheses: the central line solid and strongest, low and high
// thinner, the band between them shaded, the results marked and labelled.
QChart *hypotheses(const HypothesesChartData &data);

} // namespace ResultsChart
