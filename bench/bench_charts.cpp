// The 200-row chart drawn to the documents' PNG, both charts to an exported
// PNG, and the 200-row table written as XLSX and CSV. Each is meant to stay
// well under 100 ms.
#include "core/FileDialogs.h"
#include "core/Messenger.h"
#include "core/Modulo.h"
#include "output/QtChartPainter.h"
#include "output/ResultsExport.h"
#include "study/Study.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <memory>

namespace {

class Silent : public Messenger {
public:
    Message::Answer show(const Message &) override { return Message::Answer::Yes; }
};

class NoDialogs : public FileDialogs {
public:
    std::optional<QString> choose(const FileDialogRequest &) override { return std::nullopt; }
};

// Qt Charts needs an application; it draws off screen. Made once, on the
// first study, and left for the process to end with.
void application()
{
    static int argc = 1;
    static char name[] = "bench_charts";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static const auto *app = new QApplication(argc, argv);
    Q_UNUSED(app);
}

// A town with migration over 199 years: 200 rows.
StudySnapshot longestStudy()
{
    application();
    static Silent messenger;
    static NoDialogs dialogs;
    Modulo::InitDialogTitles();
    Study study(messenger, dialogs, QDate(2026, 12, 7));
    ProjectionModel &m = study.projection();
    const QStringList texts{"2000", "10000", "1,5", "14", "49", "5", "80", "4", "2", "2199"};
    for (int i = 0; i < texts.size(); ++i)
        m.setText(static_cast<ProjectionModel::Field>(i), texts[i]);
    m.calcola_Click();
    return study.snapshot();
}

void DocumentChartPng(benchmark::State &state)
{
    const StudySnapshot s = longestStudy();
    QtChartPainter painter;
    for (auto _ : state) {
        const ChartPicture picture = painter.documentPicture(s);
        benchmark::DoNotOptimize(picture.png.data());
        if (picture.isNull())
            state.SkipWithError("no picture");
    }
}
BENCHMARK(DocumentChartPng)->Unit(benchmark::kMillisecond);

void ExportedChartsPng(benchmark::State &state)
{
    const StudySnapshot s = longestStudy();
    QtChartPainter painter;
    for (auto _ : state)
        benchmark::DoNotOptimize(painter.file(s, ChartPainter::Format::Png).data());
}
BENCHMARK(ExportedChartsPng)->Unit(benchmark::kMillisecond);

void TableXlsx(benchmark::State &state)
{
    const StudySnapshot s = longestStudy();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("risultati.xlsx"));
    for (auto _ : state) {
        QString error;
        if (!ResultsExport::write(s, path, ResultsExport::Format::Xlsx, &error))
            state.SkipWithError(qPrintable(error));
    }
}
BENCHMARK(TableXlsx)->Unit(benchmark::kMillisecond);

void TableCsv(benchmark::State &state)
{
    const StudySnapshot s = longestStudy();
    for (auto _ : state)
        benchmark::DoNotOptimize(ResultsExport::csv(s).data());
}
BENCHMARK(TableCsv)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
