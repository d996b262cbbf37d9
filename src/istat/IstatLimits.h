// What the projection's data check accepts in each input, read from the
// inputs table, so an import within them is never refused by Calcola.
#pragma once

#include "estimate/ProjectionInputs.h"

namespace IstatLimits {

struct Bound {
    double lowest, highest;
};

inline Bound of(ProjectionInput input)
{
    const ProjectionInputs::Row &r = ProjectionInputs::row(input);
    return {r.lowest, r.highest};
}
// The import's own: no municipality has this share of women of fertile age,
// and years enough for any plan while every sum stays exact.
inline constexpr double kMaxShare = 40;
inline constexpr int kMaxYears = 50;

} // namespace IstatLimits
