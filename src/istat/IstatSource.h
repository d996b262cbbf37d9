// An import as the study keeps it: the values for the projection's fields and
// the source line the study file stores.
#pragma once

#include "IstatInputs.h"
#include "estimate/ProjectionInputs.h"
#include "storage/StudySource.h"

#include <utility>
#include <vector>

namespace IstatSource {

ProjectionInput projectionInput(IstatInput input);

// The text for each imported field, in the derivation's order.
std::vector<std::pair<ProjectionInput, QString>> fieldValues(const IstatDerivation &d);

StudySource of(const IstatDerivation &d);

} // namespace IstatSource
