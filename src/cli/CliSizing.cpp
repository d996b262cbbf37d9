#include "CliSizing.h"

#include "estimate/PlanSizing.h"
#include "projection/ProjectionModel.h"
#include "storage/StudySizing.h"

namespace CliSizing {

std::optional<Values> parse(const QString &text, QTextStream &err)
{
    Values values;
    for (const QString &item : text.split(u';', Qt::SkipEmptyParts)) {
        const QString key = item.section(u'=', 0, 0).trimmed();
        if (!PlanSizing::byKey(key) || !item.contains(u'=')) {
            QStringList keys;
            for (const PlanSizing::InputRow &r : PlanSizing::rows())
                keys << QString::fromLatin1(r.key);
            err << "Dato sconosciuto in " << kOption << ": \"" << key
                << "\" (si possono dare: " << keys.join(QStringLiteral(", ")) << ")" << Qt::endl;
            return std::nullopt;
        }
        values.emplace_back(key, item.section(u'=', 1).trimmed());
    }
    if (values.empty()) {
        err << "Nessun valore dopo " << kOption << Qt::endl;
        return std::nullopt;
    }
    return values;
}

void apply(ProjectionModel &model, const Values &values)
{
    StudySizing sizing;
    if (const QStringList *line = model.files().line(StudySizing::kKeyword))
        sizing = StudySizing::fromLine(*line).value_or(StudySizing{});
    for (const auto &[key, value] : values)
        sizing.setValue(key, value);
    model.files().setLine(StudySizing::kKeyword, sizing.line());
}

} // namespace CliSizing
