#include "TextWidth.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <utility>

namespace TextWidth {

namespace {

// Thousandths of an em; a character missing from the table counts as wide.
constexpr int kUnknown = 1000;

constexpr std::pair<char16_t, int> kEntries[] = {
#include "FontWidths.inc"
};

const QHash<char16_t, int> &table()
{
    static const QHash<char16_t, int> widths = [] {
        QHash<char16_t, int> h;
        for (const auto &[code, width] : kEntries)
            h.insert(code, width);
        return h;
    }();
    return widths;
}

} // namespace

int twips(const QString &text, double points)
{
    const QHash<char16_t, int> &widths = table();
    qint64 thousandths = 0;
    for (QChar c : text) {
        if (c.isLowSurrogate())
            continue; // counted with its high half
        thousandths += widths.value(c.unicode(), kUnknown);
    }
    // points * 20 twips per point, thousandths of an em; rounded up.
    return int((thousandths * qint64(std::llround(points * 20)) + 999) / 1000);
}

int widestWord(const QString &text, double points)
{
    int widest = 0;
    QString normal = text;
    normal.replace(u'\r', u'\n');
    for (const QString &line : normal.split(u'\n')) {
        for (const QString &word : line.split(u' ', Qt::SkipEmptyParts))
            widest = std::max(widest, twips(word, points));
    }
    return widest;
}

int lines(const QString &text, double points, int width)
{
    width = std::max(width, 1);
    const int space = twips(QStringLiteral(" "), points);
    int count = 1, used = 0;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        int w = twips(word, points);
        if (used > 0 && used + space + w <= width) {
            used += space + w;
            continue;
        }
        if (used > 0)
            ++count;
        // A word wider than the line fills whole lines, then goes on.
        for (; w > width; w -= width)
            ++count;
        used = w;
    }
    return count;
}

} // namespace TextWidth
