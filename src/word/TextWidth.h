// How wide a text is in the documents' font, without a display: a width table
// of Century Gothic's metrics (see tools/make_font_widths.py). Used to size
// table columns so that no word has to break.
#pragma once

#include <QString>

namespace TextWidth {

// Width of text on one line, in twentieths of a point, at the given size.
int twips(const QString &text, double points);

// Width of the widest word (text between spaces or line ends).
int widestWord(const QString &text, double points);

// Lines a paragraph of text takes in a column this wide (twips), wrapped
// between words as a word processor does and a word too long for one line
// broken inside it; at least one.
int lines(const QString &text, double points, int width);

} // namespace TextWidth
