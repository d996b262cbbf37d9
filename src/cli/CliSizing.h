// vicania-cli --dimensionamento-valori "famiglia=2,21;sfitto=5": the figures
// of the plan's sizing, set before the commands as if typed in its window.
#pragma once

#include <QString>
#include <QTextStream>
#include <optional>
#include <utility>
#include <vector>

class ProjectionModel;

namespace CliSizing {

inline constexpr const char *kOption = "--dimensionamento-valori";

using Values = std::vector<std::pair<QString, QString>>;

// The values by key, or nothing after saying on err what is wrong.
std::optional<Values> parse(const QString &text, QTextStream &err);

// The values over the study's own sizing line, which they create if needed.
void apply(ProjectionModel &model, const Values &values);

} // namespace CliSizing
