// The charts drawn with Qt Charts, off screen: the document pictures (the
// inhabitants, or the three hypotheses, as wide as a page's text, at 300 dpi) and the exported files
// (both charts, one above the other, as PNG at 300 dpi, SVG or one PDF
// page). Needs a QApplication; shows no window.
#pragma once

#include "ChartData.h"
#include "ChartPainter.h"
#include "HypothesesChartData.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>

class QChart;
class QGraphicsScene;
class QPainter;

class QtChartPainter : public ChartPainter {
public:
    // A chart's size in the pixels of a 96 dpi screen, the unit its fonts
    // are laid out in: 17 cm, the text of a portrait A4 page, by 10,2 cm.
    static constexpr double kLogicalDpi = 96;
    static constexpr double kWidth = 642;
    static constexpr double kHeight = 386;
    // The resolution of the pictures.
    static constexpr int kDpi = 300;

    ChartPicture documentPicture(const StudySnapshot &study) override;
    ChartPicture hypothesesPicture(const StudySnapshot &study) override;
    QByteArray file(const StudySnapshot &study, Format format) override;

    // The charts of data put into scene, chart high and wide each, one under
    // the other, laid out: the inhabitants, and the components when both.
    static QList<QChart *> layOut(QGraphicsScene &scene, const ChartData &data, bool both, QSizeF chart);
    // The charts of data drawn into target by painter: the inhabitants, and
    // below it the components when both.
    static void paint(QPainter &painter, const QRectF &target, const ChartData &data, bool both);
    // The same as an image at kDpi; a null image without a calculation.
    static QImage image(const ChartData &data, bool both);
    // The hypotheses' chart as an image at kDpi; a null image when empty.
    static QImage image(const HypothesesChartData &data);
};
