// A window's controls as data: each row names a control, its kind, caption,
// tooltip, designed place in twips and look; one loop builds them all, in
// the table's order, which is also the order of stacking and of the Tab key.
// The window then wires the ones that act (fields, scroll bars, buttons).
#pragma once

#include <QColor>
#include <QFrame>
#include <QPushButton>
#include <QString>
#include <functional>
#include <span>

class QWidget;

namespace Controls {

struct Place {
    int left, top, width, height;
};

// How a label shows its text.
struct LabelLook {
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QFrame::Shape frame = QFrame::NoFrame;
    QFrame::Shadow shadow = QFrame::Plain;
    bool wordWrap = false;
    int margin = 0;
    QColor background; // invalid: the window's
    QColor text;
    bool bold = false;
    double points = 0; // 0: the window's size

    LabelLook &align(Qt::Alignment a)
    {
        alignment = a;
        return *this;
    }
    LabelLook &framed(QFrame::Shape s, QFrame::Shadow sh = QFrame::Plain)
    {
        frame = s;
        shadow = sh;
        return *this;
    }
    LabelLook &wrapped()
    {
        wordWrap = true;
        return *this;
    }
    LabelLook &withMargin(int m)
    {
        margin = m;
        return *this;
    }
    LabelLook &colours(const QColor &back, const QColor &fore = QColor())
    {
        background = back;
        text = fore;
        return *this;
    }
    LabelLook &heavy(double size = 0)
    {
        bold = true;
        points = size;
        return *this;
    }
};

// Own: a control of the window's own, which the row's make builds.
enum class Kind { Label, Edit, VerticalScrollBar, ProgressBar, Button, Line, Own };

struct Control;
// Makes a control of the window's own, a child of client or of one of its
// controls; build then names, places and dresses it.
using Make = QWidget *(*)(QWidget *client, const Control &row);
// The finishing touch of a window's own look (a font, a colour), applied once
// the control is built and its LabelLook applied.
using Dress = void (*)(QWidget *control);

struct Control {
    Kind kind;
    QString name;
    QString caption;
    QString toolTip;
    // Left, top, width and height; for a line, its two ends (see ends()).
    Place place;
    LabelLook look = {};
    QString accessibleName = {}; // what a screen reader calls it; none: its caption
    Dress dress = nullptr;
    Make make = nullptr;
};

// A line's designed place, from (x1, y1) to (x2, y2).
constexpr Place ends(int x1, int y1, int x2, int y2)
{
    return {x1, y1, x2 - x1, y2 - y1};
}
// A row dressed by the window, and a row of the window's own kind.
inline Control dressed(Kind kind, QString name, QString caption, QString toolTip, Place place, Dress dress)
{
    return {kind, std::move(name), std::move(caption), std::move(toolTip), place, {}, {}, dress};
}
inline Control own(QString name, QString caption, Place place, Make make, Dress dress = nullptr)
{
    return {Kind::Own, std::move(name), std::move(caption), {}, place, {}, {}, dress, make};
}

// Builds one control on client at its place.
QWidget *build(QWidget *client, const Control &control);
// Builds them all, in order (which is also the tab order of those that take
// the focus).
void buildAll(QWidget *client, std::span<const Control> controls);
// Applies a look to a label built elsewhere.
void apply(QWidget *label, const LabelLook &look);
// Gives the focus to the control of that name in client, a field with its
// text selected, so a message about it leads the user back there.
void focus(QWidget *client, const QString &name);
// Calls left once the focus has moved on, when the user leaves the field by
// Tab, the mouse or an access key; another window taking the focus is no
// leaving. The call waits so that a message box never opens inside a change
// of focus.
void onLeave(QWidget *field, std::function<void()> left);

// Escape in window presses the button of that name, its close button.
void escapeClicks(QWidget *window, const QString &name);
// The button of that name in window, its clicks going to handler.
template <typename Window, typename Handler> void onClick(Window *window, const QString &name, Handler handler)
{
    QObject::connect(window->template findChild<QPushButton *>(name), &QPushButton::clicked, window, handler);
}

} // namespace Controls
