// A study as its documents need it, copied out of the projection window at one
// moment: plain values, so a document never reaches back into the window nor
// changes with it.
#pragma once

#include "GridViewport.h"
#include "HypothesisComparison.h"
#include "PlanSizing.h"
#include "ProjectionInputs.h"
#include "ProjectionTable.h"
#include "storage/StudySource.h"
#include "storage/TitlePageData.h"

#include <QString>
#include <optional>

struct StudySnapshot {
    // An input as typed, with the caption that names it.
    struct Input {
        QString caption;
        QString text;
    };
    std::array<Input, ProjectionInputs::kCount> inputs; // indexed by ProjectionInput
    const Input &input(ProjectionInput which) const { return inputs[ProjectionInputs::index(which)]; }

    ProjectionTable table;
    qint64 span = 0;
    QString popolazione;
    TitlePageData titlePage;
    QString officeName;
    QString officeAddress;
    // Where the inputs came from, when they were imported.
    std::optional<StudySource> source;
    // The low, central and high hypotheses, when the study has them, or why
    // the calculation refuses one of them.
    std::optional<HypothesisComparison> hypotheses;
    QString hypothesesRefused;
    // The plan's sizing, when the study has one, or why it cannot be made.
    std::optional<PlanSizing::Sizing> sizing;
    QString sizingRefused;

    // The last table row the documents reach, as the grid does.
    int usedRows() const { return GridViewport::usedRows(span); }
};
