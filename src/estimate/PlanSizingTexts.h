// The words of the plan's sizing the window and the documents share: the name
// of each result, its formula with the numbers put in, the rule each figure
// comes from, and the sentence of a population that does not grow.
#pragma once

#include "PlanSizing.h"

namespace PlanSizingTexts {

inline const QString kDecree = QStringLiteral("D.M. 2 aprile 1968, n. 1444, art. 3");
// As a figure's source cites it.
inline const QString kDecreeShort = QStringLiteral("D.M. 1444/1968, art. 3");

// "Abitanti nell'anno di partenza", for a result line's name.
QString caption(const QString &key);
// The formula with the numbers put in, ending with the value.
QString formula(const QString &key, const PlanSizing::Sizing &s, std::size_t column);
// Where a figure comes from: the decree, the office's rule (or its own
// choice), or the study's own datum.
QString ruleOf(const PlanSizing::Sizing &s, PlanSizing::Input input);
// A number the Italian way, with the decimals given ("12.345", "2,21").
QString number(double value, int decimals = 0);
// Said when the population does not grow; empty otherwise.
QString noGrowth(const PlanSizing::Result &r);

} // namespace PlanSizingTexts
