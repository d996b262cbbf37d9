// Which municipality the user means, by code or by name, and the same one in
// every year's table.
#pragma once

#include "AgeTable.h"
#include "BalanceTable.h"
#include "IstatOutcome.h"

#include <vector>

namespace IstatLookup {

// Names compared without case, accents or punctuation ("Forlì", "FORLI").
QString nameKey(const QString &name);

// The municipality a code ("046017", "46017") or a name picks in the table;
// refused, with the candidates, when none or several match.
IstatOutcome<const BalanceRow *> find(const BalanceTable &table, const QString &query);

// Its row in each table, in the tables' order: refused when a table lacks it
// or gives it another code or name. found is the table it was found in.
IstatOutcome<std::vector<const BalanceRow *>> follow(const std::vector<const BalanceTable *> &tables,
                                                     const BalanceRow &chosen, const BalanceTable &found);

// Its ages, the same code and name.
IstatOutcome<const AgeGroup *> ages(const AgeTable &table, const BalanceRow &chosen);

} // namespace IstatLookup
