#include "LineControl.h"

#include <QPainter>

LineControl::LineControl(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::setPoints(QPoint start, QPoint end)
{
    m_start = start;
    m_end = end;
    // The widget covers the segment; painting is relative to it.
    setGeometry(QRect(start, end).normalized().adjusted(0, 0, 1, 1));
    update();
}

void LineControl::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(m_color);
    p.drawLine(m_start - pos(), m_end - pos());
}
