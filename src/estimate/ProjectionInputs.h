// The inputs of a projection, one row each: what the code calls it, what the
// user reads about it, where the window shows it, how the data check reads
// it, and where a study file keeps it. A new input is a new row here, plus the
// arithmetic that uses it.
#pragma once

#include <QString>

#include <array>
#include <cstddef>

struct StudyRecord;

// In window order; the share of women of childbearing age, chosen with a
// scroll bar, comes after the ten text boxes.
enum class ProjectionInput {
    anno1,
    abitnoti,
    tassofert,
    iniziofert,
    finefert,
    mortinfanti,
    aspvita,
    immigr,
    emigr,
    anno2,
    pdf
};

namespace ProjectionInputs {

inline constexpr int kCount = 11;
// The inputs typed in a text box: all but the share, which is last.
inline constexpr int kTypedCount = 10;
static_assert(static_cast<int>(ProjectionInput::pdf) + 1 == kCount && kTypedCount + 1 == kCount);

// A designed place in twips of the window's client area; no width: none.
struct Twips {
    int left = 0, top = 0, width = 0, height = 0;
};

// How the data check reads the text.
enum class Reading {
    Year,    // a whole number, blank until required
    Number,  // an Italian number, blank until required
    Leading, // its leading number, as stored studies have always been read
    Chosen   // a number, never blank: the scroll bar's value, or a study's
};

struct Row {
    ProjectionInput input;
    const char *name;       // in code, and the object name of the control showing it
    const char *focus;      // the control a message about it gives the focus to
    const char *caption;    // how messages, documents and screen readers name it
    const char *prompt;     // guidance while it is the first empty one; none: never asked
    const char *captionTip; // tooltip of its caption (labello); none: no labello
    const char *fieldTip;   // tooltip of the control showing it
    Twips captionPlace;     // its labello
    Twips fieldPlace;       // the control showing it
    Twips barPlace;         // the scroll bar choosing it, if any
    bool required;          // Calcola refuses to run while it is blank
    Reading reading;
    double lowest, highest; // what real data never leave, with room to spare
    int filePosition;       // in a study file's first line and a recovery copy
};

const Row &row(ProjectionInput input);
const std::array<Row, kCount> &rows();
// The inputs as a study file's first line holds them.
const std::array<ProjectionInput, kCount> &inFileOrder();

inline std::size_t index(ProjectionInput input)
{
    return static_cast<std::size_t>(input);
}
inline ProjectionInput at(int i)
{
    return static_cast<ProjectionInput>(i);
}
QString name(ProjectionInput input);
// The input's field in a study as stored.
QString &inRecord(StudyRecord &record, ProjectionInput input);
const QString &inRecord(const StudyRecord &record, ProjectionInput input);
QString caption(ProjectionInput input);
QString prompt(ProjectionInput input);
QString focusControl(ProjectionInput input);

// The captions with a labello, numbered from 1 in window order; the tooltip
// of any other number is the first one's.
int labelloCount();
ProjectionInput labelloInput(int labello);
QString labelloTooltip(int labello);

} // namespace ProjectionInputs
