// The toolbar the two main windows share: 16 positions, separators at 5, 8
// and 13, a picture for each position; each click reaches the window's
// command table with its position.
#pragma once

#include <QString>
#include <functional>
#include <vector>

class QToolBar;
class QWidget;

namespace MainToolbar {

struct Button {
    int position;
    QString toolTip;
};

// Placed across the top of the client area, width in twips: the buttons at
// their positions, each with its position's picture, separators between.
QToolBar *build(QWidget *client, int widthTwips, const std::vector<Button> &buttons,
                const std::function<void(int)> &dispatch);

} // namespace MainToolbar
