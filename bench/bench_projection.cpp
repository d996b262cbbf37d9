// One 200-row projection through the window model, the rebalancing loop
// with corrections of about 10, 10,000 and 1,000,000 inhabitants, and the
// slowest rebalancing an accepted study can ask for.
#include "core/FileDialogs.h"
#include "core/Messenger.h"
#include "core/Modulo.h"
#include "estimate/NumberReading.h"
#include "output/TitlePageDocuments.h"
#include "projection/ProjectionModel.h"
#include "study/Study.h"
#include "word/DocumentModel.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cmath>
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

struct Bench {
    Silent messenger;
    NoDialogs dialogs;
    std::unique_ptr<Study> study;
    ProjectionModel *model = nullptr;

    // A town that roughly doubles in 199 years (200 rows).
    explicit Bench(double known)
    {
        Modulo::InitDialogTitles();
        study = std::make_unique<Study>(messenger, dialogs, QDate(2026, 12, 7));
        model = &study->projection();
        using F = ProjectionModel::Field;
        const QStringList texts{"1900", NumberReading::plainText(known), "2,1", "15", "45", "5", "79", "4", "3",
                                "2099"};
        for (int i = 0; i < texts.size(); ++i)
            model->setText(static_cast<F>(i), texts[i]);
    }

    // A study's line 1: anno1, abitnoti, tassofert, pdf, iniziofert, finefert,
    // mortinfanti, aspvita, immigr, emigr, anno2.
    explicit Bench(const QStringList &line) : Bench(0)
    {
        using F = ProjectionModel::Field;
        const QStringList fields = line.mid(0, 3) + line.mid(4);
        for (int i = 0; i < fields.size(); ++i)
            model->setText(static_cast<F>(i), fields[i]);
        model->setText(ProjectionModel::Field::pdf, line[3]);
    }

    // Calcola, then Verifica until rebalancing is offered with the forward data.
    void offerRebalancing()
    {
        model->calcola_Click();
        for (int i = 0; i < 3 && model->verification().count != 1; ++i)
            model->verifica_Click();
    }
};

void BM_Projection200Rows(benchmark::State &state)
{
    Bench b(10000);
    for (auto _ : state)
        b.model->calcola_Click();
    benchmark::DoNotOptimize(b.model->popolazione());
}
BENCHMARK(BM_Projection200Rows)->Unit(benchmark::kMicrosecond);

// The town grows by about half over the 199 years, so the downward phase
// moves the known inhabitants by about a third of the start; below 100
// inhabitants the yearly rounding freezes the town, hence the floor.
void BM_Rebalance(benchmark::State &state)
{
    const double correction = static_cast<double>(state.range(0));
    double moved = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Bench b(std::max(100.0, std::round(correction * 1.48)));
        b.offerRebalancing();
        const double before = NumberReading::leadingNumber(b.model->text(ProjectionModel::Field::abitnoti));
        state.ResumeTiming();
        b.model->riequilibra_Click();
        state.PauseTiming();
        moved = before - NumberReading::leadingNumber(b.model->text(ProjectionModel::Field::abitnoti));
        state.ResumeTiming();
    }
    state.counters["correction"] = moved;
}
BENCHMARK(BM_Rebalance)->Arg(10)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

// The largest town the program accepts (ten billion inhabitants) over the
// longest span: the hardest rebalancing an accepted study can ask for. Larger
// or absurd data are refused before any loop runs.
void BM_RebalanceLargestAccepted(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Bench b(1e10);
        b.offerRebalancing();
        const double before = NumberReading::leadingNumber(b.model->text(ProjectionModel::Field::abitnoti));
        state.ResumeTiming();
        b.model->riequilibra_Click();
        state.PauseTiming();
        state.counters["correction"] =
            before - NumberReading::leadingNumber(b.model->text(ProjectionModel::Field::abitnoti));
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RebalanceLargestAccepted)->Unit(benchmark::kMillisecond);

// The slowest rebalancing found among accepted studies: women at the very
// limit of their check, so every step is judged in turn, and a correction
// far beyond what the loop may try. The study of 20 years goes to the million
// steps, the one of 199 years to the fewer its length allows; both then give
// up with a message.
void BM_RebalanceEveryStepJudged(benchmark::State &state)
{
    static const QStringList kStudies[] = {
        {"2000", "10000000000", "0", "25", "0", "1", "0", "2", "0", "0", "2020"},
        {"2000", "99999999", "1,5", "25", "15", "17,5", "5", "5", "3", "3", "2199"},
    };
    const QStringList &line = kStudies[state.range(0)];
    for (auto _ : state) {
        state.PauseTiming();
        Bench b(line);
        b.model->calcola_Click();
        b.model->verifica_Click();
        state.ResumeTiming();
        b.model->riequilibra_Click();
    }
}
BENCHMARK(BM_RebalanceEveryStepJudged)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The full report of a 200-row projection, built and written as .docx.
void BM_FullReport200Rows(benchmark::State &state)
{
    Bench b(10000);
    b.model->calcola_Click();
    const StudySnapshot study = b.study->snapshot();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("relazione.docx"));
    for (auto _ : state) {
        DocumentModel document;
        TitlePageDocuments::fullReport(document, study);
        QString error;
        if (!document.save(path, &error))
            state.SkipWithError("the report could not be written");
    }
}
BENCHMARK(BM_FullReport200Rows)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
