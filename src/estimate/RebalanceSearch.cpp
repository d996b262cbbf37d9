#include "RebalanceSearch.h"

#include <algorithm>
#include <cmath>

namespace RebalanceSearch {

namespace {

// Steps the loop may take at most, and projected rows a scan may compute: about
// a second of arithmetic on an ordinary machine.
constexpr qint64 kMaxSteps = 1'000'000;
constexpr qint64 kRowBudget = 25'000'000;
// How often a scan reports its progress.
constexpr qint64 kProgressEvery = 4096;

} // namespace

double knownAt(const Loop &loop, qint64 n)
{
    const double moved = static_cast<double>(n) * loop.step;
    return loop.upward ? loop.start + moved : loop.start - moved;
}

qint64 stepLimit(int rows)
{
    return std::min(kMaxSteps, kRowBudget / std::max(1, rows));
}

bool continues(const ProjectionParams &params, const Loop &loop, qint64 n, ProjectionTable &scratch)
{
    const double known = knownAt(loop, n);
    if (!std::isfinite(known) || known < 0 || known > ProjectionEngine::kMaxKnown)
        return false;
    scratch.inhabitants[1] = known;
    const ProjectionOutcome out = ProjectionEngine::run(params, scratch);
    if (!ProjectionEngine::cellsWithinBounds(scratch, std::min(out.rowsDone, ProjectionTable::kLastRow)))
        return false;
    if (out.womenCheckFailed || !out.carried)
        return false;
    return loop.upward ? *out.carried < loop.target : *out.carried > loop.target;
}

qint64 firstStopByBisection(const ProjectionParams &params, const Loop &loop)
{
    // Gallop to a step that does not continue, then bisect.
    ProjectionTable scratch;
    qint64 good = 1;
    qint64 probe = 2;
    constexpr qint64 kLimit = qint64(1) << 50;
    while (probe < kLimit && continues(params, loop, probe, scratch)) {
        good = probe;
        probe *= 2;
    }
    qint64 bad = probe;
    while (bad - good > 1) {
        const qint64 mid = good + (bad - good) / 2;
        if (continues(params, loop, mid, scratch))
            good = mid;
        else
            bad = mid;
    }
    return bad;
}

ScanEnd scan(const ProjectionParams &params, const Loop &loop, qint64 limit,
             const std::function<bool(qint64)> &progress)
{
    // One table for every step: a step that continues rewrites every cell the
    // window would read, and any other step ends the scan.
    ProjectionTable scratch;
    for (qint64 n = 2; n <= limit + 1; ++n) {
        const qint64 done = n - 1;
        if (progress && done % kProgressEvery == 0 && !progress(done))
            return {done, ScanEnd::Why::Cancelled};
        if (!continues(params, loop, n, scratch))
            return {n, ScanEnd::Why::Stops};
    }
    return {limit + 1, ScanEnd::Why::Limit};
}

} // namespace RebalanceSearch
