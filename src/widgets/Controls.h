// A window's controls as data: each row names a control, its kind, caption,
// tooltip, designed place in twips and look; one loop builds them all. The
// window then wires the ones that act (fields, scroll bars) to its model.
#pragma once

#include <QColor>
#include <QFrame>
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

enum class Kind { Label, Edit, VerticalScrollBar, ProgressBar };

struct Control {
    Kind kind;
    QString name;
    QString caption;
    QString toolTip;
    Place place;
    LabelLook look = {};
    QString accessibleName = {}; // what a screen reader calls it; none: its caption
};

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

} // namespace Controls
