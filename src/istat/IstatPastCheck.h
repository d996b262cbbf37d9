// The check on the past: the same calculation as Calcola, with the derived
// inputs as typed, from P1 of Y1 (start year Y1) to Yn + 1, against the
// population ISTAT counts at 31 December of Yn.
#pragma once

#include "IstatInputs.h"

#include <optional>

namespace IstatPastCheck {

// Nothing with a single year, or when the calculation gives no result.
std::optional<PastCheck> run(const IstatDerivation &derivation);

// The check in one sentence.
QString sentence(int fromYear, int toYear, qint64 start, qint64 computed, qint64 observed, qint64 difference,
                 const QString &percent);

} // namespace IstatPastCheck
