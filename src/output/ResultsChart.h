// The two charts of a study as Qt Charts, built from its ChartData: the
// inhabitants (a line, the known start and the result marked and labelled)
// and the six yearly components. Axes carry the data's own ticks, so every
// number reads the Italian way. The caller owns what it gets.
#pragma once

#include "ChartData.h"

class QChart;

namespace ResultsChart {

QChart *inhabitants(const ChartData &data);
QChart *components(const ChartData &data);

} // namespace ResultsChart
