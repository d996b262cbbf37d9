// Build tool: writes the installed icon files of the program into a hicolor
// theme folder, PNG at each size and SVG, from the same drawing the windows
// show.
#include "AppIcon.h"

#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Uso: make_icons CARTELLA\n");
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    const QString file = AppIcon::kApplicationId;
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = theme.filePath(QStringLiteral("%1x%1/apps").arg(side));
        if (!QDir().mkpath(folder) || !AppIcon::image(side).save(QDir(folder).filePath(file + QStringLiteral(".png"))))
            return 1;
    }
    const QString scalable = theme.filePath(QStringLiteral("scalable/apps"));
    if (!QDir().mkpath(scalable))
        return 1;
    QSvgGenerator svg;
    svg.setFileName(QDir(scalable).filePath(file + QStringLiteral(".svg")));
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Vicania"));
    QPainter p(&svg);
    AppIcon::paint(p, 256);
    return p.end() ? 0 : 1;
}
