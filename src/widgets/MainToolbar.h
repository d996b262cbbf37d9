// The toolbar the two main windows share: 16 positions, separators at 5, 8
// and 13; each click reaches the window's dispatch with its position.
#pragma once

#include <QString>
#include <functional>

class QToolBar;
class QWidget;

namespace MainToolbar {

// Placed across the top of the client area, width in twips. Only the
// tooltip of position 15 differs between the two windows.
QToolBar *build(QWidget *client, int widthTwips, const QString &tooltip15, std::function<void(int)> dispatch);

// The help window that positions 9 to 12 open, the same in both windows.
QString helpWindow(int position);

} // namespace MainToolbar
