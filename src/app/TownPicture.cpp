#include "TownPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

TownPicture::TownPicture(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

namespace {

// One house: walls, roof and a lit window, on a 100 x 140 canvas.
void house(QPainter &p, double x, double ground, double w, double h, const QColor &wall)
{
    p.setPen(QPen(QColor(40, 30, 20), 0.6));
    p.setBrush(wall);
    p.drawRect(QRectF(x, ground - h, w, h));
    QPainterPath roof;
    roof.moveTo(x - 1.5, ground - h);
    roof.lineTo(x + w / 2, ground - h - w * 0.45);
    roof.lineTo(x + w + 1.5, ground - h);
    roof.closeSubpath();
    p.setBrush(QColor(168, 62, 38));
    p.drawPath(roof);
    p.setBrush(QColor(255, 214, 90));
    p.drawRect(QRectF(x + w * 0.3, ground - h * 0.7, w * 0.28, h * 0.28));
}

void sky(QPainter &p)
{
    QLinearGradient sky(0, 0, 0, 90);
    sky.setColorAt(0, QColor(18, 24, 70));
    sky.setColorAt(0.7, QColor(160, 80, 110));
    sky.setColorAt(1, QColor(250, 170, 90));
    p.fillRect(QRectF(0, 0, 100, 140), sky);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 190));
    p.drawEllipse(QPointF(76, 20), 7, 7);
    p.setBrush(QColor(255, 255, 255, 200));
    for (const QPointF &star : {QPointF(12, 10), QPointF(30, 6), QPointF(48, 16), QPointF(90, 38), QPointF(60, 8)})
        p.drawEllipse(star, 0.7, 0.7);
}

// Far hills, then the town's hill.
void hills(QPainter &p)
{
    QPainterPath far;
    far.moveTo(0, 88);
    far.cubicTo(25, 70, 45, 84, 70, 74);
    far.cubicTo(85, 68, 95, 76, 100, 78);
    far.lineTo(100, 140);
    far.lineTo(0, 140);
    p.setBrush(QColor(60, 70, 110));
    p.drawPath(far);
    QPainterPath hill;
    hill.moveTo(0, 104);
    hill.cubicTo(20, 86, 70, 84, 100, 100);
    hill.lineTo(100, 140);
    hill.lineTo(0, 140);
    p.setBrush(QColor(58, 104, 52));
    p.drawPath(hill);
}

// The bell tower with its clock.
void tower(QPainter &p)
{
    p.setPen(QPen(QColor(40, 30, 20), 0.6));
    p.setBrush(QColor(214, 190, 150));
    p.drawRect(QRectF(46, 58, 9, 34));
    QPainterPath spire;
    spire.moveTo(45, 58);
    spire.lineTo(50.5, 46);
    spire.lineTo(56, 58);
    spire.closeSubpath();
    p.setBrush(QColor(150, 56, 36));
    p.drawPath(spire);
    p.setBrush(QColor(250, 246, 230));
    p.drawEllipse(QPointF(50.5, 64), 2.6, 2.6);
    p.drawLine(QPointF(50.5, 64), QPointF(50.5, 62.2));
    p.drawLine(QPointF(50.5, 64), QPointF(51.8, 64));
    p.setBrush(QColor(40, 30, 30));
    p.drawRect(QRectF(48.5, 72, 4, 6));
}

void houses(QPainter &p)
{
    struct House {
        double x, ground, width, height;
        QColor wall;
    };
    const House town[] = {
        {18, 96, 14, 11, QColor(236, 214, 170)}, {32, 93, 12, 13, QColor(226, 186, 140)},
        {57, 93, 13, 12, QColor(240, 222, 186)}, {71, 96, 15, 10, QColor(220, 176, 128)},
        {6, 104, 12, 9, QColor(232, 200, 160)},  {83, 104, 12, 9, QColor(236, 214, 170)},
    };
    for (const House &h : town)
        house(p, h.x, h.ground, h.width, h.height, h.wall);
}

// The road down the hill, and the cypresses beside it.
void road(QPainter &p)
{
    QPainterPath road;
    road.moveTo(47, 100);
    road.cubicTo(40, 112, 64, 120, 52, 140);
    road.lineTo(66, 140);
    road.cubicTo(76, 120, 50, 112, 54, 100);
    road.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 176, 132));
    p.drawPath(road);

    p.setBrush(QColor(28, 64, 36));
    for (const QPointF &c : {QPointF(36, 118), QPointF(74, 124), QPointF(28, 128)})
        p.drawEllipse(c, 2.4, 8);
}

} // namespace

void TownPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(width() / 100.0, height() / 140.0);
    draw(p);
}

// Back to front; a step may draw with the pen the one before left.
void TownPicture::draw(QPainter &p)
{
    sky(p);
    hills(p);
    tower(p);
    houses(p);
    road(p);
}
