// Finds where the one-step-at-a-time rebalancing loop would stop without
// running every step through the window. Each step is judged on the pure
// projection exactly as the window judges it; on data whose result grows with
// the known inhabitants a bisection finds the step, on any other data a scan
// of the steps does, within a budget that keeps the wait short.
#pragma once

#include "ProjectionEngine.h"

#include <QtGlobal>
#include <functional>

namespace RebalanceSearch {

struct Loop {
    double start = 0; // known inhabitants before the first step
    double step = 1;  // added (upward) or taken away (downward) per step
    bool upward = false;
    double target = 0; // the known inhabitants typed before Calcola
};

// The known inhabitants of step n.
double knownAt(const Loop &loop, qint64 n);

// How many steps after the first the loop takes before giving up, for a
// projection of the given rows: fewer on long spans, so that even a scan of
// every step ends in about a second.
qint64 stepLimit(int rows);

// True when the window's step n runs to a result still short of the target:
// known inhabitants accepted, every cell within bounds, the women check passed.
bool continues(const ProjectionParams &params, const Loop &loop, qint64 n, ProjectionTable &scratch);

// Given that step 1 continues the loop, the first step n > 1 that stops it;
// every step before n continues. Requires ProjectionEngine::isMonotone(params).
qint64 firstStopByBisection(const ProjectionParams &params, const Loop &loop);

// Where a scan of steps 2 to limit + 1 ended: at the first step that stops the
// loop, after the last one (which continues), or at the last step done when
// progress, asked now and then with the steps done so far, said to stop.
struct ScanEnd {
    enum class Why { Stops, Limit, Cancelled };
    qint64 step = 0;
    Why why = Why::Stops;
};
ScanEnd scan(const ProjectionParams &params, const Loop &loop, qint64 limit,
             const std::function<bool(qint64)> &progress);

} // namespace RebalanceSearch
