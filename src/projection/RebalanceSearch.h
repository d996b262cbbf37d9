// Finds where the one-step-at-a-time rebalancing loop would stop without
// running every step through the window: on data whose result grows with the
// known inhabitants, a bisection over the pure projection gives the same step.
#pragma once

#include "ProjectionEngine.h"

#include <QtGlobal>

namespace RebalanceSearch {

struct Loop {
    double start = 0; // known inhabitants before the first step
    double step = 1;  // added (upward) or taken away (downward) per step
    bool upward = false;
    double target = 0; // the known inhabitants typed before Calcola
};

// Population bounds within which rounding cannot reorder two populations.
inline constexpr double kMaxStart = 1e11;
inline constexpr double kMaxRow = 1e12;

// The known inhabitants of step n.
double knownAt(const Loop &loop, qint64 n);

// Given that step 1 continues the loop, the first step n > 1 that either stops
// it or leaves the range where the shortcut is exact; every step before n
// continues. Requires ProjectionEngine::isMonotone(params).
qint64 firstUnsettledStep(const ProjectionParams &params, const Loop &loop);

} // namespace RebalanceSearch
