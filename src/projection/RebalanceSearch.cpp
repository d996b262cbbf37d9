#include "RebalanceSearch.h"

#include <cmath>

namespace RebalanceSearch {

namespace {

// True when step n is in the exact range and the loop goes on after it.
bool continuesSafely(const ProjectionParams &params, const Loop &loop, qint64 n)
{
    const double known = knownAt(loop, n);
    if (known < 0 || known > kMaxStart)
        return false;
    ProjectionTable table;
    table.inhabitants[1] = known;
    const ProjectionOutcome out = ProjectionEngine::run(params, table);
    if (out.womenCheckFailed || !out.carried)
        return false;
    for (int row = 1; row <= params.span + 1; ++row) {
        if (std::fabs(table.inhabitants[static_cast<std::size_t>(row)]) > kMaxRow)
            return false;
    }
    return loop.upward ? *out.carried < loop.target : *out.carried > loop.target;
}

} // namespace

double knownAt(const Loop &loop, qint64 n)
{
    const double moved = static_cast<double>(n) * loop.step;
    return loop.upward ? loop.start + moved : loop.start - moved;
}

qint64 firstUnsettledStep(const ProjectionParams &params, const Loop &loop)
{
    // Gallop to a step that does not continue, then bisect.
    qint64 good = 1;
    qint64 probe = 2;
    constexpr qint64 kLimit = qint64(1) << 50;
    while (probe < kLimit && continuesSafely(params, loop, probe)) {
        good = probe;
        probe *= 2;
    }
    qint64 bad = probe;
    while (bad - good > 1) {
        const qint64 mid = good + (bad - good) / 2;
        if (continuesSafely(params, loop, mid))
            good = mid;
        else
            bad = mid;
    }
    return bad;
}

} // namespace RebalanceSearch
