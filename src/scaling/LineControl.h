// A line drawn between two points of its parent, placed by its end points
// (X1, Y1) and (X2, Y2) in pixels, as window scaling moves it.
#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

class LineControl : public QWidget {
    Q_OBJECT

public:
    explicit LineControl(QWidget *parent = nullptr);

    QPoint start() const { return m_start; }
    QPoint end() const { return m_end; }
    void setPoints(QPoint start, QPoint end);
    void setColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint m_start;
    QPoint m_end;
    QColor m_color = Qt::black;
};
