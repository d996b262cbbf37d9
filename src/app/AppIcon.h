// The program's icon: the splash's hill town, cut to a rounded square. The
// windows show it, and the build draws the installed icon files from it.
#pragma once

#include <QImage>
#include <QString>

class QIcon;
class QPainter;

namespace AppIcon {

// The one name of the program on the desktop: desktop entry, icon,
// metainfo and file type all carry it.
inline const QString kApplicationId = QStringLiteral("io.github.vicania.Vicania");

// Paints the icon in a side x side square at the painter's origin.
void paint(QPainter &painter, double side);
QImage image(int side);
// Every size a desktop asks for.
QIcon icon();

} // namespace AppIcon
