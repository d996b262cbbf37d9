// Every document and export a study or the guide is written to, one row each:
// what builds it, what it needs, the window it belongs to with the guidance
// around it, and its vicania-cli option. The windows' commands and
// vicania-cli's options both run these rows, so a new document or export is a
// builder and a row here, and a command row in its window.
#pragma once

#include "ChartPainter.h"
#include "estimate/StudySnapshot.h"

#include <QStringList>
#include <span>

class DocumentOutput;
class DocumentWriter;

enum class OutputId {
    Risultati,
    Modello,
    Relazione,
    RelazioneGrafico,
    SoloDati,
    Guida,
    PaginaGuida,
    Grafico,
    Xlsx,
    Csv,
    Ipotesi,
    Dimensionamento
};

// What an output is built from.
struct OutputSource {
    StudySnapshot study;
    ChartPicture chart;
    // The guide's pages: all of them, or the one printed.
    QStringList guideTitles;
    QStringList guideTexts;
    // The hypotheses' chart, in the report with chart of a study that has them.
    ChartPicture hypothesesChart = {};
};

namespace Outputs {

// The window an output belongs to: its guidance box and its messages.
enum class Window { None, Projection, TitlePage };
// What an output needs of the chart painter: nothing, the chart once there is
// a result to draw, or the chart without which it is not written.
enum class Chart { None, WithResult, Required };

struct Output {
    OutputId id;
    const char *cliOption;
    // A document: what writes it, and the kind it is delivered as (for a
    // named one, the fixed file name's tail after the program's name).
    void (*build)(DocumentWriter &w, const OutputSource &source) = nullptr;
    const char *kind = nullptr;
    bool named = false;
    // An export: writes the file, or false with why.
    bool (*save)(const OutputSource &source, ChartPainter *charts, const QString &path, QString *why) = nullptr;
    QString (*saveFailed)(const QString &path, const QString &why) = nullptr;
    // Refused without a result, with this message; none: made as it is.
    const QString *noResult = nullptr;
    // vicania-cli writes it only after a calculation that gave a result.
    bool cliNeedsResult = false;
    // Signed by an office: the user is asked for one when there is none.
    bool signedByOffice = false;
    Chart chart = Chart::None;
    Window window = Window::None;
    // The guidance while it is made (put back when it is not delivered) and
    // once it is shown; none: the box keeps what it says.
    const QString *loading = nullptr;
    const QString *shown = nullptr;
    // vicania-cli: a guide page's name comes before the file; the file's
    // extension names the chart's format.
    bool cliNamesPage = false;
    bool cliChartFile = false;
    // Shows the study's hypotheses and sizing: not written while either is refused.
    bool showsPlan = false;
};

// In the order of vicania-cli's usage.
std::span<const Output> all();
const Output &of(OutputId id);
// The row of a vicania-cli option, or none.
const Output *byOption(const QString &option);

// Builds a document from its source and delivers it; false when it was not
// delivered.
bool write(const Output &output, DocumentOutput &documents, const OutputSource &source);

} // namespace Outputs
