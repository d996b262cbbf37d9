#include "OutputRunner.h"

#include "OutputTexts.h"
#include "ResultsExport.h"
#include "core/AppGlobals.h"
#include "core/FileDialogs.h"
#include "core/Messenger.h"

using Outputs::Chart;
using Outputs::Output;

bool OutputRunner::run(OutputId id, const QString &path)
{
    const Output &output = Outputs::of(id);
    if (!output.save && !m_documents)
        return false;
    if (refusedWithoutResult(output))
        return false;
    // Taken once the office is settled: the user may just have given one.
    if (output.signedByOffice && !m_study.officeReady())
        return false;
    OutputSource source{m_study.snapshot(), {}, {}, {}};
    // A document of the hypotheses or the sizing never goes out without them.
    const QString &refused =
        source.study.hypothesesRefused.isEmpty() ? source.study.sizingRefused : source.study.hypothesesRefused;
    if (output.showsPlan && !refused.isEmpty()) {
        tell(output, refused);
        return false;
    }
    if (output.save)
        return save(output, source, path);
    if (output.chart == Chart::Required) {
        // A report asked with its chart never goes out without it.
        source.chart = m_charts ? m_charts->documentPicture(source.study) : ChartPicture{};
        if (source.chart.isNull()) {
            tell(output, OutputTexts::kNoChart);
            return false;
        }
        if (source.study.hypotheses && m_charts)
            source.hypothesesChart = m_charts->hypothesesPicture(source.study);
    }
    return document(output, std::move(source));
}

bool OutputRunner::guide(OutputId id, const QStringList &titles, const QStringList &texts)
{
    return m_documents && document(Outputs::of(id), {{}, {}, titles, texts});
}

bool OutputRunner::refusedWithoutResult(const Output &output)
{
    if (!output.noResult || !m_study.snapshot().popolazione.isEmpty())
        return false;
    tell(output, *output.noResult);
    m_study.resultWanted(output.window);
    return true;
}

// The guidance says the word processor is loading; a document not delivered
// leaves it as it was.
bool OutputRunner::document(const Output &output, OutputSource source)
{
    const QString before = m_study.guidance(output.window);
    if (output.loading)
        m_study.guide(output.window, *output.loading);
    // The chart follows the tables once there are results to draw.
    if (output.chart == Chart::WithResult && m_charts && !source.study.popolazione.isEmpty())
        source.chart = m_charts->documentPicture(source.study);
    if (!Outputs::write(output, *m_documents, source)) {
        if (output.loading)
            m_study.guide(output.window, before);
        return false;
    }
    if (output.shown)
        m_study.guide(output.window, *output.shown);
    return true;
}

bool OutputRunner::save(const Output &output, const OutputSource &source, const QString &path)
{
    QString why;
    if (output.save(source, m_charts, path, &why))
        return true;
    tell(output, output.saveFailed(path, why));
    return false;
}

void OutputRunner::tell(const Output &output, const QString &text)
{
    m_study.tell(output.window, {text, appGlobals().HelpTitle, Message::Icon::Critical});
}

bool OutputRunner::exportTable()
{
    if (m_study.snapshot().popolazione.isEmpty()) {
        tell(Outputs::of(OutputId::Xlsx), OutputTexts::kExportNeedsCalculation);
        return false;
    }
    const QString proposed = m_exportName.isEmpty() ? OutputTexts::kExportName : m_exportName;
    const int filter = ResultsExport::formatOf(proposed) == ResultsExport::Format::Csv ? 2 : 1;
    const auto path = m_dialogs.choose(
        {FileDialogRequest::Kind::Save, OutputTexts::kExportTitle, OutputTexts::kExportFilter, filter, proposed});
    if (!path || path->isEmpty())
        return false;
    m_exportName = ResultsExport::withExtension(*path);
    const bool csv = ResultsExport::formatOf(m_exportName) == ResultsExport::Format::Csv;
    return run(csv ? OutputId::Csv : OutputId::Xlsx, m_exportName);
}
