// The yearly loop of a projection, on numbers already read and checked. It
// knows nothing of fields, messages or the window; the window model reads the
// fields, counts and shows what this returns.
#pragma once

#include "ProjectionTable.h"

#include <QtGlobal>
#include <optional>

struct ProjectionParams {
    double startYear = 0;
    bool backward = false;
    int span = 0;                // G: rows 1 to G + 1 are computed
    double fertilityRate = 0;    // tassofert
    double fertileSpan = 0;      // F = finefert - iniziofert
    double infantMortality = 0;  // mortinfanti, per 1000 births
    double medianAgeAtDeath = 0; // aspvita
    double immigrationRate = 0;  // immigr, per 1000
    double emigrationRate = 0;   // emigr, per 1000
    double womenShare = 0;       // pdf, percent
};

struct ProjectionOutcome {
    int rowsDone = 0;              // rows started, including a failing one
    qint64 operations = 0;         // steps counted by the operations counter
    std::optional<double> carried; // last carried population, if any
    bool womenCheckFailed = false;
};

namespace ProjectionEngine {

// The most known inhabitants the window accepts, and what no cell of a sound
// projection comes near: beyond these the arithmetic gives absurd numbers.
inline constexpr double kMaxKnown = 1e10;
inline constexpr double kMaxCell = 1e12;

// Runs the yearly step for rows 1 to G + 1 from table.inhabitants[1], stopping
// at the first row that fails the women check.
ProjectionOutcome run(const ProjectionParams &params, ProjectionTable &table);

// The women check without the population: the fertile women (share percent of
// the inhabitants) cover those who die over the fertile span, F ÷ (2 × A) of
// them, when 50 × F ≤ A × share. Equality passes, rounding noise included, so
// a share that meets the bound exactly is never refused by chance.
bool womenSuffice(double womenShare, double fertileSpan, double medianAgeAtDeath);
// The smallest whole percent that passes it (F and A positive).
double smallestWomenShare(double fertileSpan, double medianAgeAtDeath);

// True when every cell of rows 1 to rows is a number within kMaxCell.
bool cellsWithinBounds(const ProjectionTable &table, int rows);

// Why the result may not grow with the known inhabitants: the women check at
// its limit, where rounding alone decides it, or a year that leaves almost
// nobody, where rounding noise can reorder two populations.
enum class Irregularity { None, WomenAtLimit, FactorNearZero };
Irregularity irregularity(const ProjectionParams &params);

// True when every yearly step that carries a population is an increasing map
// of it with a comfortable margin, and the women check passes for every
// non-negative population: then the result grows with the known inhabitants.
inline bool isMonotone(const ProjectionParams &params)
{
    return irregularity(params) == Irregularity::None;
}

} // namespace ProjectionEngine
