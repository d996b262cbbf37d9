// Text as XML 1.0 may hold it, for every file the program writes in XML
// (documents, spreadsheets, charts): whatever the user typed, the file stays
// well formed.
#pragma once

#include <QString>

namespace XmlText {

// The characters XML 1.0 forbids are dropped: C0 controls other than tab,
// line feed and carriage return, U+FFFE, U+FFFF and lone surrogates.
QString safe(const QString &text);

} // namespace XmlText
