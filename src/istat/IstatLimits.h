// What the projection's data check accepts in each input. These must agree
// with kBounds in projection/ProjectionModelCalculation.cpp and with
// ProjectionEngine::kMaxKnown: an import within them is never refused by
// Calcola.
#pragma once

#include "estimate/ProjectionEngine.h"

namespace IstatLimits {

struct Bound {
    double lowest, highest;
};

inline constexpr Bound kYear{-9999, 9999};
inline constexpr Bound kFertilityRate{0, 1000};
inline constexpr Bound kFertileAge{0, 150};
inline constexpr Bound kInfantMortality{0, 1000};
inline constexpr Bound kMedianAge{0, 150}; // and above 0
inline constexpr Bound kMigration{0, 1000};
inline constexpr Bound kKnown{0, ProjectionEngine::kMaxKnown};

// The import's own: no municipality has this share of women of fertile age,
// and years enough for any plan while every sum stays exact.
inline constexpr double kMaxShare = 40;
inline constexpr int kMaxYears = 50;

} // namespace IstatLimits
