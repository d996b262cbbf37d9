#include "Outputs.h"

#include "ChartTexts.h"
#include "HelpDocuments.h"
#include "OutputTexts.h"
#include "ProjectionDocuments.h"
#include "ResultsExport.h"
#include "TitlePageDocuments.h"
#include "core/AppGlobals.h"
#include "core/WholeFile.h"
#include "estimate/PlanSizingRun.h"
#include "storage/StudySizing.h"
#include "word/DocumentOutput.h"

#include <array>

namespace Outputs {

namespace {

void results(DocumentWriter &w, const OutputSource &s)
{
    ProjectionDocuments::results(w, s.study, s.chart);
}

void dataSheet(DocumentWriter &w, const OutputSource &)
{
    ProjectionDocuments::dataSheet(w);
}

// Signed by the program's office; without one, by the study's own.
void fullReport(DocumentWriter &w, const OutputSource &s)
{
    StudySnapshot study = s.study;
    if (study.officeName.isEmpty()) {
        study.officeName = study.titlePage.labelstudio;
        study.officeAddress = study.titlePage.labelindirizzo;
    }
    TitlePageDocuments::fullReport(w, study, s.chart, s.hypothesesChart);
}

void dataOnly(DocumentWriter &w, const OutputSource &s)
{
    TitlePageDocuments::dataOnly(w, s.study.titlePage);
}

void guide(DocumentWriter &w, const OutputSource &s)
{
    HelpDocuments::contents(w, s.guideTitles, s.guideTexts);
}

void guidePage(DocumentWriter &w, const OutputSource &s)
{
    HelpDocuments::guidePage(w, s.guideTitles.value(0), s.guideTexts.value(0));
}

bool saveChart(const OutputSource &s, ChartPainter *charts, const QString &path, QString *why)
{
    *why = QStringLiteral("il grafico non si è potuto disegnare");
    const auto format = ChartPainter::formatOf(path);
    const QByteArray bytes = charts && format ? charts->file(s.study, *format) : QByteArray();
    return !bytes.isEmpty() && WholeFile::write(path, bytes, why);
}

bool saveXlsx(const OutputSource &s, ChartPainter *, const QString &path, QString *why)
{
    return ResultsExport::write(s.study, path, ResultsExport::Format::Xlsx, why);
}

bool saveCsv(const OutputSource &s, ChartPainter *, const QString &path, QString *why)
{
    return ResultsExport::write(s.study, path, ResultsExport::Format::Csv, why);
}

bool saveHypotheses(const OutputSource &s, ChartPainter *, const QString &path, QString *why)
{
    if (!s.study.hypotheses) {
        *why = OutputTexts::kNoHypotheses;
        return false;
    }
    return WholeFile::write(path, ResultsExport::hypothesesCsv(*s.study.hypotheses), why);
}

// A study without a sizing line says what the sizing lacks.
bool saveSizing(const OutputSource &s, ChartPainter *, const QString &path, QString *why)
{
    if (!s.study.sizing) {
        const auto sized = PlanSizing::of(s.study, StudySizing{});
        *why = std::holds_alternative<QString>(sized) ? std::get<QString>(sized) : OutputTexts::kNoSizing;
        return false;
    }
    return WholeFile::write(path, ResultsExport::sizingCsv(*s.study.sizing), why);
}

using namespace OutputTexts;
using W = Window;

constexpr std::array<Output, 12> kOutputs = {{
    {.id = OutputId::Risultati,
     .cliOption = "--risultati",
     .build = results,
     .kind = "risultati",
     .cliNeedsResult = true,
     .chart = Chart::WithResult,
     .window = W::Projection,
     .loading = &kLoadingResults,
     .shown = &kResultsShown},
    {.id = OutputId::Modello,
     .cliOption = "--modello",
     .build = dataSheet,
     .kind = "modello-acquisizione-dati",
     .window = W::Projection,
     .loading = &kLoadingDataSheet,
     .shown = &kDataSheetShown},
    {.id = OutputId::Relazione,
     .cliOption = "--relazione",
     .build = fullReport,
     .kind = "relazione",
     .noResult = &kNoSimulation,
     .signedByOffice = true,
     .window = W::TitlePage,
     .shown = &kReportShown,
     .showsPlan = true},
    {.id = OutputId::RelazioneGrafico,
     .cliOption = "--relazione-grafico",
     .build = fullReport,
     .kind = "relazione",
     .noResult = &kNoSimulation,
     .signedByOffice = true,
     .chart = Chart::Required,
     .window = W::TitlePage,
     .shown = &kReportShown,
     .showsPlan = true},
    {.id = OutputId::SoloDati,
     .cliOption = "--solo-dati",
     .build = dataOnly,
     .kind = "solo-dati",
     .signedByOffice = true,
     .window = W::TitlePage,
     .loading = &kLoadingWord},
    {.id = OutputId::Guida, .cliOption = "--guida", .build = guide, .kind = "guida", .named = true},
    {.id = OutputId::PaginaGuida,
     .cliOption = "--pagina-guida",
     .build = guidePage,
     .kind = "guida",
     .cliNamesPage = true},
    {.id = OutputId::Grafico,
     .cliOption = "--grafico",
     .save = saveChart,
     .saveFailed = ChartTexts::exportFailed,
     .noResult = &ChartTexts::kExportNeedsCalculation,
     .window = W::Projection,
     .cliChartFile = true},
    {.id = OutputId::Xlsx,
     .cliOption = "--xlsx",
     .save = saveXlsx,
     .saveFailed = exportFailed,
     .noResult = &kExportNeedsCalculation,
     .window = W::Projection,
     .showsPlan = true},
    {.id = OutputId::Csv,
     .cliOption = "--csv",
     .save = saveCsv,
     .saveFailed = exportFailed,
     .noResult = &kExportNeedsCalculation,
     .window = W::Projection},
    {.id = OutputId::Ipotesi,
     .cliOption = "--ipotesi",
     .save = saveHypotheses,
     .saveFailed = hypothesesExportFailed,
     .noResult = &kExportNeedsCalculation,
     .cliNeedsResult = true,
     .window = W::Projection,
     .showsPlan = true},
    {.id = OutputId::Dimensionamento,
     .cliOption = "--dimensionamento",
     .save = saveSizing,
     .saveFailed = sizingExportFailed,
     .noResult = &kExportNeedsCalculation,
     .cliNeedsResult = true,
     .window = W::Projection,
     .showsPlan = true},
}};

// of() finds a row by its place.
constexpr bool inIdOrder()
{
    for (std::size_t i = 0; i < kOutputs.size(); ++i) {
        if (kOutputs[i].id != static_cast<OutputId>(i))
            return false;
    }
    return true;
}
static_assert(inIdOrder());

} // namespace

std::span<const Output> all()
{
    return kOutputs;
}

const Output &of(OutputId id)
{
    return all()[static_cast<std::size_t>(id)];
}

const Output *byOption(const QString &option)
{
    for (const Output &o : all()) {
        if (option == QLatin1String(o.cliOption))
            return &o;
    }
    return nullptr;
}

bool write(const Output &output, DocumentOutput &documents, const OutputSource &source)
{
    const auto document = documents.create();
    output.build(*document, source);
    const QString kind = QString::fromLatin1(output.kind);
    if (output.named)
        return documents.deliverNamed(*document, appGlobals().ProgramName + u'-' + kind + QStringLiteral(".docx"));
    return documents.deliver(*document, kind);
}

} // namespace Outputs
