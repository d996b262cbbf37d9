// The seven help pages: titles and texts, in the order of the help contents.
#pragma once

#include <QString>

namespace GuideTexts {

inline constexpr int kPageCount = 7;

QString title(int page);
QString text(int page);

} // namespace GuideTexts
