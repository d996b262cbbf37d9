// The projection's inputs derived from ISTAT's tables for one municipality
// over consecutive years Y1 ... Yn: each with the text to type into its field
// (decimal comma), the formula with the numbers put in, and its source.
// Over several years every rate is the sum of the events over the sum of the
// mean populations Pm = (P1 + P31) ÷ 2.
#pragma once

#include "AgeTable.h"
#include "BalanceTable.h"
#include "IstatInputs.h"
#include "IstatOutcome.h"

#include <vector>

namespace IstatDerive {

// The tables in any order, one per year; ages may be null.
IstatOutcome<IstatDerivation> derive(const std::vector<BalanceTable> &balances, const AgeTable *ages,
                                     const IstatChoices &choices);

} // namespace IstatDerive
