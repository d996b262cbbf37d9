#include "AppIcon.h"

#include "TownPicture.h"

#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace AppIcon {

void paint(QPainter &p, double side)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath frame;
    frame.addRoundedRect(QRectF(0, 0, side, side), side * 0.18, side * 0.18);
    p.setClipPath(frame);
    // The lower part of the picture: tower, houses and road.
    p.scale(side / 100.0, side / 100.0);
    p.translate(0, -36);
    TownPicture::draw(p);
    p.restore();
}

QImage image(int side)
{
    QImage out(side, side, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter p(&out);
    paint(p, side);
    return out;
}

QIcon icon()
{
    QIcon icon;
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(image(side)));
    return icon;
}

} // namespace AppIcon
