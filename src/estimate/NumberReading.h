// How the program reads and writes the numbers typed in its fields.
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace NumberReading {

// The leading number of a text, "." as the only decimal separator; blanks are
// skipped, reading stops at the first character that cannot continue the
// number, and a text without a leading number gives 0.
double leadingNumber(QStringView text);
// The same, except that a leading number too large for a double gives
// infinity with its sign instead of 0.
double leadingValue(QStringView text);

// A number written with Italian rules whatever the machine's locale
// ("1,45" is 1.45, "1.500" is 1500); nothing when the text is not a finite number.
std::optional<double> italianNumber(const QString &text);

// A whole number as plain text, no separators ("-4", "12000").
QString integerText(double value);

// A number as plain text that leadingNumber reads back unchanged.
QString plainText(double value);

// Int(x + 0.5) with Int the floor: halves round up.
double roundHalfUp(double value);

} // namespace NumberReading
