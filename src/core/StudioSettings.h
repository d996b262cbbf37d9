// The user's office (name and address), the one thing the program keeps
// between runs.
#pragma once

#include <QString>

namespace StudioSettings {

// Puts the kept office into StudioName and StudioAddress.
void load();
// Keeps the office and makes it the program-wide one.
bool save(const QString &name, const QString &address);
// Tests keep their settings in a file of their own.
void useFile(const QString &path);

} // namespace StudioSettings
