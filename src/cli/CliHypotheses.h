// vicania-cli --ipotesi-valori "tassofert=1,1:1,5;immigr=3:9": the low and
// high values of the hypotheses, set before the commands as if typed in the
// window "Ipotesi a confronto".
#pragma once

#include "storage/StudyHypotheses.h"

#include <QTextStream>
#include <optional>
#include <vector>

class ProjectionModel;

namespace CliHypotheses {

inline constexpr const char *kOption = "--ipotesi-valori";

// The values by input, or nothing after saying on err what is wrong.
std::optional<std::vector<StudyHypotheses::Values>> parse(const QString &text, QTextStream &err);

// The values over the study's own hypotheses; the study keeps its line only
// when a value differs from the central one.
void apply(ProjectionModel &model, const std::vector<StudyHypotheses::Values> &values);

} // namespace CliHypotheses
