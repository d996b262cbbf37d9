// The seven help pages: titles and texts, in the order of the help contents.
#pragma once

#include <QString>
#include <QStringList>

namespace GuideTexts {

inline constexpr int kPageCount = 7;

// The window that shows each page ("manuale", "guidadati", ...).
const QStringList &windowNames();

QString title(int page);
QString text(int page);

} // namespace GuideTexts
