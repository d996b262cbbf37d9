#include "CliHypotheses.h"

#include "estimate/HypothesisComparison.h"
#include "estimate/NumberReading.h"
#include "projection/HypothesisRun.h"
#include "projection/ProjectionModel.h"

namespace CliHypotheses {

namespace {

bool varied(const QString &name)
{
    for (const ProjectionInput input : Hypotheses::kVaried) {
        if (ProjectionInputs::name(input) == name)
            return true;
    }
    return false;
}

QString names()
{
    QStringList out;
    for (const ProjectionInput input : Hypotheses::kVaried)
        out << ProjectionInputs::name(input);
    return out.join(QStringLiteral(", "));
}

} // namespace

std::optional<std::vector<StudyHypotheses::Values>> parse(const QString &text, QTextStream &err)
{
    std::vector<StudyHypotheses::Values> values;
    for (const QString &item : text.split(u';', Qt::SkipEmptyParts)) {
        const QString name = item.section(u'=', 0, 0).trimmed();
        const QStringList pair = item.section(u'=', 1).split(u':');
        if (!varied(name)) {
            err << "Dato sconosciuto in " << kOption << ": \"" << name << "\" (si possono dare: " << names() << ")"
                << Qt::endl;
            return std::nullopt;
        }
        if (!item.contains(u'=') || pair.size() != 2 || !NumberReading::italianNumber(pair[0]) ||
            !NumberReading::italianNumber(pair[1])) {
            err << "Valori non validi per " << name << " in " << kOption
                << ": servono due numeri, bassa:alta (per esempio " << name << "=1,2:1,6)" << Qt::endl;
            return std::nullopt;
        }
        values.push_back({name, pair[0].trimmed(), pair[1].trimmed()});
    }
    if (values.empty())
        err << "Nessun valore dopo " << kOption << Qt::endl;
    return values.empty() ? std::nullopt : std::optional(values);
}

void apply(ProjectionModel &model, const std::vector<StudyHypotheses::Values> &values)
{
    const StudyRecord study = model.files().study();
    StudyHypotheses h = HypothesisRun::of(study);
    for (StudyHypotheses::Values &v : h.values) {
        for (const StudyHypotheses::Values &given : values) {
            if (given.input == v.input)
                v = given;
        }
    }
    model.files().setLine(StudyHypotheses::kKeyword, HypothesisRun::differs(study, h) ? h.line() : QStringList());
}

} // namespace CliHypotheses
