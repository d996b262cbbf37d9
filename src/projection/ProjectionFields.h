// The ten text fields of the projection window, in window order, and the
// captions naming them. It holds no values: what a field holds is
// ProjectionModel's, and the order of a study file is StudyFiles'.
#pragma once

#include "ProjectionTexts.h"

#include <QString>

enum class ProjectionField {
    anno1,
    abitnoti,
    tassofert,
    iniziofert,
    finefert,
    mortinfanti,
    aspvita,
    immigr,
    emigr,
    anno2
};

inline constexpr int kProjectionFieldCount = 10;
static_assert(static_cast<int>(ProjectionField::anno2) + 1 == kProjectionFieldCount);

// Captions 0 to 9 follow the fields; caption 10, one past them, is the share's.
inline QString projectionFieldCaption(ProjectionField field)
{
    return ProjectionTexts::fieldCaption(static_cast<int>(field));
}
