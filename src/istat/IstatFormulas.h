// The texts of the derived inputs: the value as typed, the formula with the
// numbers put in, the source. The numbers come computed, scaled to whole
// numbers so that rounding is exact (hundredths, tenths, thousandths).
#pragma once

#include "AgeTable.h"
#include "BalanceTable.h"
#include "IstatInputs.h"

#include <vector>

struct IstatFigures {
    std::vector<const BalanceTable *> tables;                                // Y1 ... Yn
    std::vector<const BalanceRow *> rows;                                    // the municipality in each
    const BalanceRow *last = nullptr;                                        // in Yn
    qint64 p1 = 0, p31 = 0, births = 0, deaths = 0, inflow = 0, outflow = 0; // sums over the years
    qint64 infantK = 0, startK = 0, endK = 0;                                // the user's values, in thousandths
    qint64 immigration100 = 0, emigration100 = 0, fertility100 = 0, age10 = 0;
    qint64 shareK = 0; // the share used, in thousandths of a percent
    // How the share came: from POSAS (women and all at the ages), else the window's.
    const AgeTable *ages = nullptr;
    qint64 women = 0, total = 0, agesShare = 0;
    qint64 windowShareK = 0;
    bool raised = false;
};

namespace IstatFormulas {

std::vector<DerivedInput> describe(const IstatFigures &f);

// A number scaled by 10^decimals as a field's text: "33,40", "2024", "2,5"
// (thousandths with trailing zeros dropped when trim).
QString fieldText(qint64 scaled, int decimals, bool trim = false);
// The same with Italian grouping, for formulas: "12.345,5".
QString shownText(qint64 scaled, int decimals, bool trim = false);

} // namespace IstatFormulas
