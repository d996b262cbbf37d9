// The 8-bit code page of the Italian Windows systems the study files come from.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace Windows1252 {

QString decode(const QByteArray &bytes);
// Nothing when a character has no place in the code page.
std::optional<QByteArray> encode(const QString &text);
bool canEncode(const QString &text);

} // namespace Windows1252
