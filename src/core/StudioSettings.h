// The user's office, the one thing the program keeps between runs: its name
// and address, and its own figures for sizing a plan, shared by all studies.
#pragma once

#include <QString>
#include <utility>
#include <vector>

namespace StudioSettings {

// Puts the kept office into StudioName and StudioAddress.
void load();
// Keeps the office and makes it the program-wide one.
bool save(const QString &name, const QString &address);
// A set of figures the office uses instead of the national ones, under a
// name, with the rule it cites for them.
struct Preset {
    QString name;
    QString rule;
    std::vector<std::pair<QString, QString>> figures; // key, value as typed
    bool operator==(const Preset &) const = default;
};
// The office's sets, in the order it saved them.
std::vector<Preset> presets();
// Keeps these sets in place of the ones kept before.
bool savePresets(const std::vector<Preset> &presets);

// Tests keep their settings in a file of their own.
void useFile(const QString &path);

} // namespace StudioSettings
