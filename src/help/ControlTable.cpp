#include "ControlTable.h"

#include "scaling/LineControl.h"
#include "widgets/Look.h"

#include <QLabel>
#include <QShortcut>

namespace ControlTable {

void build(QWidget *parent, const QList<Control> &table)
{
    for (const Control &row : table)
        row.kind(parent, row);
}

void place(QWidget *control, const QRect &twips)
{
    Look::place(control, twips.x(), twips.y(), twips.width(), twips.height());
}

QLabel *makeLabel(QWidget *parent, const Control &row)
{
    auto *label = new QLabel(row.caption, parent);
    label->setObjectName(row.name);
    label->setToolTip(row.tooltip);
    place(label, row.twips);
    return label;
}

QPushButton *makeButton(QWidget *parent, const Control &row)
{
    auto *button = new QPushButton(row.caption, parent);
    button->setObjectName(row.name);
    button->setToolTip(row.tooltip);
    place(button, row.twips);
    return button;
}

LineControl *makeLine(QWidget *parent, const Control &row)
{
    auto *line = new LineControl(parent);
    line->setObjectName(row.name);
    line->setColor(Qt::darkGray);
    const QRect &t = row.twips;
    line->setPoints(QPoint(Look::px(t.left()), Look::px(t.top())), QPoint(Look::px(t.right()), Look::px(t.bottom())));
    return line;
}

void escapeClicks(QWidget *window, const QString &name)
{
    auto *button = window->findChild<QPushButton *>(name);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(escape, &QShortcut::activated, button, &QPushButton::click);
}

void button(QWidget *parent, const Control &row)
{
    makeButton(parent, row);
}

} // namespace ControlTable
