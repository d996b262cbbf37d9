#include "HypothesisRun.h"

#include "ProjectionModel.h"
#include "core/FileDialogs.h"
#include "core/Messenger.h"
#include "estimate/NumberReading.h"

namespace HypothesisRun {

namespace {

// The scratch model's surroundings: messages kept, not shown; questions
// answered No (a span too long is not a reason to leave); no file chosen.
class Quiet : public Messenger, public FileDialogs, public TitlePageLink {
public:
    Message::Answer show(const Message &message) override
    {
        last = message.text;
        return message.buttons == Message::Buttons::YesNo ? Message::Answer::No : Message::Answer::Ok;
    }
    std::optional<QString> choose(const FileDialogRequest &) override { return std::nullopt; }
    TitlePageData read() override { return page; }
    void write(const TitlePageData &data) override { page = data; }
    QString last;
    TitlePageData page;
};

bool sameValue(const QString &a, const QString &b)
{
    const auto x = NumberReading::italianNumber(a), y = NumberReading::italianNumber(b);
    return x && y ? *x == *y : a.trimmed() == b.trimmed();
}

std::variant<HypothesisColumn, QString> run(const StudyRecord &study, const StudyHypotheses &h, Hypotheses::Kind kind)
{
    const StudyRecord typed = withValues(study, h, kind);
    Quiet quiet;
    ProjectionModel model(quiet, quiet, quiet);
    model.files().applyStudy(typed);
    quiet.last.clear();
    model.calcola_Click();
    if (model.popolazione().isEmpty())
        return QStringLiteral("Il calcolo dell'%1 non si può fare: %2")
            .arg(Hypotheses::longName(kind),
                 quiet.last.isEmpty() ? QStringLiteral("non dà un risultato.") : quiet.last);
    HypothesisColumn c;
    for (std::size_t i = 0; i < Hypotheses::kVaried.size(); ++i)
        c.values[i] = ProjectionInputs::inRecord(typed, Hypotheses::kVaried[i]);
    for (int row = 1; row <= model.usedRows(); ++row) {
        const auto &year = model.table().year[std::size_t(row)];
        if (!year)
            break;
        c.years.push_back(int(*year));
        c.inhabitants.push_back(NumberReading::leadingNumber(gridCellText(model.table(), row, GridColumn::abit)));
    }
    c.result = model.popolazione();
    return c;
}

} // namespace

StudyHypotheses of(const StudyRecord &study)
{
    StudyHypotheses h;
    if (const QStringList *line = study.line(StudyHypotheses::kKeyword))
        h = StudyHypotheses::fromLine(*line).value_or(StudyHypotheses{});
    for (const ProjectionInput input : Hypotheses::kVaried) {
        const QString name = ProjectionInputs::name(input);
        if (!h.of(name))
            h.values.push_back(
                {name, ProjectionInputs::inRecord(study, input), ProjectionInputs::inRecord(study, input)});
    }
    return h;
}

StudyRecord withValues(const StudyRecord &study, const StudyHypotheses &h, Hypotheses::Kind kind)
{
    StudyRecord typed = study;
    if (kind == Hypotheses::Kind::Central)
        return typed;
    for (const ProjectionInput input : Hypotheses::kVaried) {
        if (const StudyHypotheses::Values *v = h.of(ProjectionInputs::name(input)))
            ProjectionInputs::inRecord(typed, input) = kind == Hypotheses::Kind::Low ? v->low : v->high;
    }
    return typed;
}

std::variant<HypothesisComparison, QString> compare(const StudyRecord &study, const StudyHypotheses &h)
{
    HypothesisComparison out;
    // The study itself first: when its own inputs are refused, the message
    // names the central hypothesis, not the low one.
    for (const Hypotheses::Kind kind : {Hypotheses::Kind::Central, Hypotheses::Kind::Low, Hypotheses::Kind::High}) {
        auto column = run(study, h, kind);
        if (auto *no = std::get_if<QString>(&column))
            return *no;
        out.columns[std::size_t(kind)] = std::get<HypothesisColumn>(std::move(column));
    }
    return out;
}

bool differs(const StudyRecord &study, const StudyHypotheses &h)
{
    for (const StudyHypotheses::Values &v : h.values) {
        for (const ProjectionInput input : Hypotheses::kVaried) {
            if (ProjectionInputs::name(input) != v.input)
                continue;
            const QString central = ProjectionInputs::inRecord(study, input);
            if (!sameValue(v.low, central) || !sameValue(v.high, central))
                return true;
        }
    }
    return false;
}

} // namespace HypothesisRun
