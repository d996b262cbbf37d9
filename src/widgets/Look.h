// Designed positions in twips, colours in 0x00BBGGRR and the fonts of the
// original look, turned into what Qt uses.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;

class QWidget;

namespace Look {

inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

QRect rect(int left, int top, int width, int height);
// Places a widget at a designed position given in twips.
void place(QWidget *widget, int left, int top, int width, int height);

// 0x00BBGGRR, as the colour values of the window designs are written.
QColor bgr(unsigned value);

inline constexpr unsigned kYellow = 0x0000FFFF;
inline constexpr unsigned kCyan = 0x00FFFF00;
inline constexpr unsigned kLightCyan = 0x00FFFFC0;
inline constexpr unsigned kBlack = 0x00000000;

// A font of the designs, mapped to the closest family this desktop has.
QFont font(const QString &designFamily, double points, bool bold = false, bool italic = false);

// Every label of a window shows its text as typed, never as markup.
void plainLabels(QWidget *window);

// Background and text colours through the palette, kept by the widget. A
// fixed background without a text colour gets black or white, whichever
// reads better on it, so a dark desktop palette never paints white on cyan.
void paint(QWidget *widget, const QColor &background, const QColor &text = QColor());
// The text colour that reads best on a background.
QColor textFor(const QColor &background);
// Contrast ratio of two colours, 1 to 21, as accessibility guidelines count it.
double contrast(const QColor &a, const QColor &b);

// Sets a label's text and tells a screen reader it changed.
void setAnnounced(QLabel *label, const QString &text);

} // namespace Look
