#include "PlanSizingRun.h"

#include "NumberReading.h"
#include "StudySnapshot.h"
#include "storage/StudySizing.h"

namespace PlanSizing {

std::variant<Sizing, QString> of(const StudySnapshot &s, const StudySizing &sizing)
{
    Sizing out;
    out.inputs = inputsOf(sizing);
    out.rule = sizing.rule;
    out.years = int(s.span);
    std::vector<std::pair<QString, QString>> targets;
    if (s.hypotheses) {
        for (const Hypotheses::Kind kind : Hypotheses::kKinds)
            targets.emplace_back(Hypotheses::name(kind), s.hypotheses->column(kind).result);
    } else {
        targets.emplace_back(QString(), s.popolazione);
    }
    const qint64 start = qint64(NumberReading::roundHalfUp(s.table.inhabitants[1]));
    for (const auto &[name, result] : targets) {
        const auto target = NumberReading::italianNumber(result);
        if (!target)
            return QStringLiteral("Il dimensionamento ha bisogno del risultato del calcolo.");
        auto column = compute(out.inputs, start, qint64(*target), out.years);
        if (auto *no = std::get_if<QString>(&column))
            return *no;
        out.names.push_back(name);
        out.columns.push_back(std::get<Result>(column));
    }
    return out;
}

} // namespace PlanSizing
