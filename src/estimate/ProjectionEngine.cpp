#include "ProjectionEngine.h"

#include "NumberReading.h"

#include <cmath>

namespace ProjectionEngine {

namespace {

// Row r's immigrants and emigrants, applied to its population pop: the
// population after them.
double migrate(const ProjectionParams &p, ProjectionTable &t, std::size_t r, double pop, ProjectionOutcome &out)
{
    t.immigrants[r] = pop * p.immigrationRate / 1000;
    ++out.operations;
    t.emigrants[r] = pop * p.emigrationRate / 1000;
    ++out.operations;
    if (p.backward) {
        t.emigrants[r] = -t.emigrants[r];
        t.immigrants[r] = -t.immigrants[r];
    }
    t.inhabitants[r] = (pop + t.immigrants[r]) - t.emigrants[r];
    ++out.operations;
    return t.inhabitants[r];
}

// Row r's births and deaths from its population pop; false when the women
// who die over the fertile span outnumber the fertile women.
bool naturalChange(const ProjectionParams &p, ProjectionTable &t, std::size_t r, double pop, ProjectionOutcome &out)
{
    const double f = p.fertileSpan;
    t.oldAgeDeaths[r] = pop / p.medianAgeAtDeath;
    ++out.operations;
    t.fertileWomen[r] = pop * p.womenShare / 100;
    ++out.operations;
    // For a positive population and age the comparison does not depend on the
    // population: its exact form keeps rounding from refusing a share on the bound.
    const bool exact = pop > 0 && p.medianAgeAtDeath > 0;
    if (exact ? !womenSuffice(p.womenShare, f, p.medianAgeAtDeath) : (t.oldAgeDeaths[r] / 2) * f > t.fertileWomen[r])
        return false;
    t.births[r] = t.fertileWomen[r] * p.fertilityRate;
    ++out.operations;
    t.infantDeaths[r] = (t.births[r] / 1000) * p.infantMortality;
    ++out.operations;
    t.births[r] = t.births[r] - t.infantDeaths[r];
    ++out.operations;
    t.births[r] = t.births[r] / f;
    ++out.operations;
    t.infantDeaths[r] = t.infantDeaths[r] / f;
    ++out.operations;
    t.naturalChange[r] = t.births[r] - t.oldAgeDeaths[r];
    ++out.operations;
    if (p.backward) {
        t.naturalChange[r] = -t.naturalChange[r];
        out.operations += 2;
    }
    return true;
}

} // namespace

ProjectionOutcome run(const ProjectionParams &p, ProjectionTable &t)
{
    ProjectionOutcome out;
    const int last = p.span + 1;
    const double s = p.startYear;
    for (int k = 1; k <= last; ++k) {
        const auto r = static_cast<std::size_t>(k);
        ++out.operations;
        ++out.rowsDone;
        t.year[r] = p.backward ? (s + 1) - k : k + (s - 1);
        ++out.operations;
        double pop = t.inhabitants[r];
        // The first row has no migration, nor the last one going forwards.
        if (k != 1 && (p.backward || k != last))
            pop = migrate(p, t, r, pop, out);
        if (!naturalChange(p, t, r, pop, out)) {
            out.womenCheckFailed = true;
            return out;
        }
        if (k < last) {
            const double carried = NumberReading::roundHalfUp(pop + t.naturalChange[r]);
            out.carried = carried;
            t.inhabitants[r + 1] = carried;
            ++out.operations;
        }
    }
    return out;
}

bool womenSuffice(double womenShare, double fertileSpan, double medianAgeAtDeath)
{
    const double needed = 50 * fertileSpan, covered = medianAgeAtDeath * womenShare;
    return needed - covered <= 1e-9 * (std::fabs(needed) + std::fabs(covered));
}

double smallestWomenShare(double fertileSpan, double medianAgeAtDeath)
{
    double share = std::ceil(50 * fertileSpan / medianAgeAtDeath);
    // The division may land a hair above a whole bound, or below it.
    if (womenSuffice(share - 1, fertileSpan, medianAgeAtDeath))
        share -= 1;
    else if (!womenSuffice(share, fertileSpan, medianAgeAtDeath))
        share += 1;
    return share;
}

bool cellsWithinBounds(const ProjectionTable &t, int rows)
{
    for (int row = 1; row <= rows; ++row) {
        const auto r = std::size_t(row);
        for (const double v : {t.inhabitants[r], t.immigrants[r], t.emigrants[r], t.fertileWomen[r], t.births[r],
                               t.infantDeaths[r], t.oldAgeDeaths[r], t.naturalChange[r]}) {
            if (!std::isfinite(v) || std::fabs(v) > kMaxCell)
                return false;
        }
    }
    return true;
}

Irregularity irregularity(const ProjectionParams &p)
{
    // Factors far from zero keep rounding noise well below one step of the
    // population, so the order of two populations survives every year.
    constexpr double kMinFactor = 0.01;
    const double sign = p.backward ? -1.0 : 1.0;
    const double migration = 1 + sign * (p.immigrationRate - p.emigrationRate) / 1000;
    const double natural =
        p.womenShare / 100 * p.fertilityRate * (1 - p.infantMortality / 1000) / p.fertileSpan - 1 / p.medianAgeAtDeath;
    const double carry = 1 + sign * natural;
    const double deathsSide = p.fertileSpan / (2 * p.medianAgeAtDeath);
    const double womenSide = p.womenShare / 100;
    if (!(womenSide - deathsSide > 1e-9 * (std::fabs(womenSide) + std::fabs(deathsSide))))
        return Irregularity::WomenAtLimit;
    if (!std::isfinite(carry) || carry < kMinFactor)
        return Irregularity::FactorNearZero;
    // Only rows 2 to G both migrate and carry their population on; a one-year
    // run has none. Migration alone never turns a population negative, so a
    // last row's own migration cannot fail the women check.
    if (p.span >= 2 && (!std::isfinite(migration) || migration < kMinFactor))
        return Irregularity::FactorNearZero;
    return Irregularity::None;
}

} // namespace ProjectionEngine
