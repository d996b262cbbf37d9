// A window's controls as data: one row per control with its name, kind,
// caption, tooltip and designed place in twips, made in the table's order,
// which is also the order of stacking and of the Tab key.
#pragma once

#include <QList>
#include <QPushButton>
#include <QRect>
#include <QString>

class LineControl;
class QLabel;
class QWidget;

namespace ControlTable {

struct Control;
// Makes one kind of control from its row, as a child of parent.
using Kind = void (*)(QWidget *parent, const Control &row);

struct Control {
    QString name;
    Kind kind;
    QString caption;
    QString tooltip;
    // Left, top, width and height; for a line, its two ends (see ends()).
    QRect twips;
};

// A line's designed place, from (x1, y1) to (x2, y2).
constexpr QRect ends(int x1, int y1, int x2, int y2)
{
    return QRect(QPoint(x1, y1), QPoint(x2, y2));
}

void build(QWidget *parent, const QList<Control> &table);

// What the kinds start from: the row's name, caption, tooltip and place.
QLabel *makeLabel(QWidget *parent, const Control &row);
QPushButton *makeButton(QWidget *parent, const Control &row);
// A dark grey line between the row's ends.
LineControl *makeLine(QWidget *parent, const Control &row);
void place(QWidget *control, const QRect &twips);

// The kind of a plain push button.
void button(QWidget *parent, const Control &row);

// Escape in window presses the button of that name, its close button.
void escapeClicks(QWidget *window, const QString &name);

// The button of that name in window, its clicks going to handler.
template <typename Window, typename Handler> void onClick(Window *window, const QString &name, Handler handler)
{
    QObject::connect(window->template findChild<QPushButton *>(name), &QPushButton::clicked, window, handler);
}

} // namespace ControlTable
