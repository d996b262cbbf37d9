// Three hypotheses side by side: the low one, the central one (the study as
// it is) and the high one, each the study's inputs with the few that vary
// given other values; the inhabitants of each year as the grid rounds them.
#pragma once

#include "ProjectionInputs.h"

#include <QString>
#include <array>
#include <vector>

namespace Hypotheses {

// The inputs a hypothesis may change; all the others are the study's.
inline constexpr std::array<ProjectionInput, 4> kVaried = {ProjectionInput::tassofert, ProjectionInput::aspvita,
                                                           ProjectionInput::immigr, ProjectionInput::emigr};
enum class Kind { Low, Central, High };
inline constexpr std::array<Kind, 3> kKinds = {Kind::Low, Kind::Central, Kind::High};

// "Bassa", "Centrale", "Alta".
QString name(Kind kind);
// "ipotesi bassa", as messages name it.
QString longName(Kind kind);

} // namespace Hypotheses

struct HypothesisColumn {
    std::array<QString, Hypotheses::kVaried.size()> values; // as typed, in kVaried's order
    std::vector<int> years;
    std::vector<double> inhabitants; // as the grid shows them
    QString result;                  // the window's result
};

struct HypothesisComparison {
    std::array<HypothesisColumn, 3> columns; // low, central, high

    const HypothesisColumn &column(Hypotheses::Kind kind) const { return columns[std::size_t(kind)]; }
    std::size_t rows() const { return columns[0].years.size(); }
};
