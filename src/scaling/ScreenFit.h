// Keeps top-level windows inside the part of the screen that panels and
// docks leave free, whatever the scale.
#pragma once

class QWidget;

namespace ScreenFit {

// Shrinks the window if it is larger than the free area, then moves it by
// the least amount that brings its frame wholly inside. A window that
// already fits is left where it is.
void keepOnScreen(QWidget *window);

// Places the window's centre over the opener's centre (over the screen's
// centre without an opener), kept on screen.
void centreOver(QWidget *window, const QWidget *opener);

} // namespace ScreenFit
