// A scroll bar too short for the desktop style's arrows (the share's bar is
// about 40 pixels high): arrows and thumb are drawn smaller, so the thumb
// still shows where the value lies and moves with it.
#pragma once

class QScrollBar;
class QStyle;

namespace CompactScrollBar {

void fit(QScrollBar *bar);
// A vertical bar with its highest value at the top. Its arrows, page clicks,
// keys and wheel move the thumb the way they point, and its value, the one a
// screen reader reads, is the value shown.
void upsideDown(QScrollBar *bar);
// The style fit gives, shared by every such bar.
QStyle *style();

} // namespace CompactScrollBar
