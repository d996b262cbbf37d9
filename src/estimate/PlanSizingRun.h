// The plan's sizing of a computed study, as its documents and its window
// show it.
#pragma once

#include "PlanSizing.h"

struct StudySnapshot;

namespace PlanSizing {

// Its inhabitants at the start (as the grid shows them) and its result, or
// the results of its hypotheses: one column each.
std::variant<Sizing, QString> of(const StudySnapshot &s, const StudySizing &sizing);

} // namespace PlanSizing
