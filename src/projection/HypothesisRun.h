// The hypotheses of a study computed: each as Calcola computes the study
// with its values typed in, on a model of its own that no window shows.
#pragma once

#include "estimate/HypothesisComparison.h"
#include "storage/StudyFile.h"
#include "storage/StudyHypotheses.h"

#include <variant>

namespace HypothesisRun {

// The study's hypotheses, or each value the study's own while it has none.
StudyHypotheses of(const StudyRecord &study);

// The study with the values of one hypothesis in its fields.
StudyRecord withValues(const StudyRecord &study, const StudyHypotheses &h, Hypotheses::Kind kind);

// The three columns, or the message of the first hypothesis Calcola refuses,
// naming it.
std::variant<HypothesisComparison, QString> compare(const StudyRecord &study, const StudyHypotheses &h);

// True when some value differs from the study's own, as a number where both
// are numbers: only then is the line kept.
bool differs(const StudyRecord &study, const StudyHypotheses &h);

} // namespace HypothesisRun
