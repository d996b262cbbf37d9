#include "TableLayout.h"

#include "TextWidth.h"

#include <algorithm>
#include <numeric>

namespace TableLayout {

namespace {

// Room for the cell's margins and border, and for the difference between our
// width table and a word processor's own rounding and justification.
int padded(int textTwips)
{
    return textTwips + textTwips / 16 + 2 * kCellMargin + 40;
}

int fullWidth(const DocumentModel::Table &t, int column)
{
    int widest = 0;
    for (int r = 1; r <= t.rows; ++r) {
        QString text = t.cell(r, column);
        text.replace(u'\r', u'\n');
        for (const QString &line : text.split(u'\n'))
            widest = std::max(widest, TextWidth::twips(line, t.size));
    }
    return padded(widest);
}

// Spreads extra over the columns in proportion to weights (all zero: evenly).
void spread(QList<int> &widths, int extra, const QList<qint64> &weights)
{
    const qint64 total = std::accumulate(weights.begin(), weights.end(), qint64(0));
    for (qsizetype c = 0; c < widths.size(); ++c)
        widths[c] += int(total > 0 ? extra * weights[c] / total : extra / widths.size());
}

// Some word is longer than the page allows: the columns whose words fit
// keep them whole, the others share what is left and break.
QList<int> shareAmongOverlong(const QList<int> &least, int textWidth)
{
    QList<int> widths(least.size(), 0);
    int remaining = textWidth;
    auto open = int(least.size());
    for (bool settled = true; settled && open > 0;) {
        settled = false;
        for (qsizetype c = 0; c < least.size(); ++c) {
            if (widths[c] == 0 && least[c] <= remaining / open) {
                widths[c] = least[c];
                remaining -= least[c];
                --open;
                settled = true;
            }
        }
    }
    for (int &w : widths)
        w = w == 0 ? remaining / std::max(open, 1) : w;
    return widths;
}

} // namespace

int minimumWidth(const DocumentModel::Table &t, int column)
{
    int widest = 0;
    for (int r = 1; r <= t.rows; ++r)
        widest = std::max(widest, TextWidth::widestWord(t.cell(r, column), t.size));
    return padded(widest);
}

QList<int> columnWidths(const DocumentModel::Table &t, int textWidth)
{
    QList<int> least, full;
    for (int c = 1; c <= t.columns; ++c) {
        least.append(minimumWidth(t, c));
        full.append(std::max(least.last(), fullWidth(t, c)));
    }
    const auto sum = [](const QList<int> &v) { return std::accumulate(v.begin(), v.end(), 0); };
    QList<int> widths;
    if (t.wideColumn > 0 && sum(least) <= textWidth) {
        // A column written by hand: half of the spare width goes to it, the
        // other half evenly to the rest, whose headings may wrap between words.
        widths = least;
        const int spare = textWidth - sum(least);
        const int others = t.columns > 1 ? spare / 2 / (t.columns - 1) : 0;
        for (int c = 0; c < t.columns; ++c)
            widths[c] += c == t.wideColumn - 1 ? 0 : others;
        widths[t.wideColumn - 1] += textWidth - sum(widths);
    } else if (sum(full) <= textWidth) {
        widths = full;
        QList<qint64> weights;
        for (int w : full)
            weights.append(w);
        spread(widths, textWidth - sum(full), weights);
    } else if (sum(least) <= textWidth) {
        widths = least;
        QList<qint64> weights;
        for (int c = 0; c < t.columns; ++c)
            weights.append(full[c] - least[c]);
        spread(widths, textWidth - sum(least), weights);
    } else {
        widths = shareAmongOverlong(least, textWidth);
    }
    widths.last() += textWidth - sum(widths);
    return widths;
}

} // namespace TableLayout
