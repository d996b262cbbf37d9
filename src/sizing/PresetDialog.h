// Asks the name and the rule under which the office keeps its figures.
#pragma once

#include <QString>
#include <optional>
#include <utility>

class QWidget;

namespace PresetDialog {

// The name and the rule typed; nothing when the user cancels.
std::optional<std::pair<QString, QString>> ask(QWidget *parent, const QString &name, const QString &rule);

} // namespace PresetDialog
