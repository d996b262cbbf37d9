#include "QtChartPainter.h"

#include "ChartDressing.h"
#include "PngFile.h"
#include "ResultsChart.h"
#include "core/XmlText.h"
#include "estimate/StudySnapshot.h"

#include <QBuffer>
#include <QChart>
#include <QGraphicsScene>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <memory>

namespace {

QSizeF logicalSize(bool both)
{
    return {QtChartPainter::kWidth, both ? 2 * QtChartPainter::kHeight : QtChartPainter::kHeight};
}

QByteArray png(const QImage &image)
{
    return PngFile::encode(image, QtChartPainter::kDpi);
}

// QSvgGenerator writes its title and description into the file as given.
QString svgText(const QString &text)
{
    return XmlText::safe(text).toHtmlEscaped();
}

QByteArray svg(const ChartData &d)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QSizeF size = logicalSize(true);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size.toSize());
    generator.setViewBox(QRectF(QPointF(0, 0), size));
    generator.setResolution(int(QtChartPainter::kLogicalDpi));
    generator.setTitle(svgText(d.title));
    generator.setDescription(svgText(d.subtitle));
    QPainter painter;
    if (!painter.begin(&generator))
        return {};
    QtChartPainter::paint(painter, QRectF(QPointF(0, 0), size), d, true);
    painter.end();
    return bytes;
}

// One A4 page: both charts across the text width, from the top margin.
QByteArray pdf(const ChartData &d)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 25, 20, 20), QPageLayout::Millimeter);
    // Vector output at the charts' own unit: their fonts keep their size.
    writer.setResolution(int(QtChartPainter::kLogicalDpi));
    writer.setTitle(d.title);
    writer.setCreator(QStringLiteral("Vicania"));
    QPainter painter;
    if (!painter.begin(&writer))
        return {};
    const QRect page = writer.pageLayout().paintRectPixels(writer.resolution());
    const QSizeF size = logicalSize(true);
    const double scale = double(page.width()) / size.width();
    QtChartPainter::paint(painter, QRectF(0, 0, page.width(), size.height() * scale), d, true);
    painter.end();
    return bytes;
}

// A scene laid out at the screen's resolution drawn scaled up: fonts are
// laid out and drawn alike. The print resolution is set once it is drawn.
QImage atPrintResolution(QGraphicsScene &scene)
{
    const QSizeF size = scene.sceneRect().size() * (QtChartPainter::kDpi / QtChartPainter::kLogicalDpi);
    QImage image(size.toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    scene.render(&painter, QRectF(QPointF(0, 0), size), scene.sceneRect(), Qt::KeepAspectRatio);
    painter.end();
    const int perMetre = qRound(QtChartPainter::kDpi / 0.0254);
    image.setDotsPerMeterX(perMetre);
    image.setDotsPerMeterY(perMetre);
    return image;
}

} // namespace

QList<QChart *> QtChartPainter::layOut(QGraphicsScene &scene, const ChartData &d, bool both, QSizeF chart)
{
    QList<QChart *> charts = {ResultsChart::inhabitants(d)};
    if (both)
        charts.append(ResultsChart::components(d));
    for (qsizetype i = 0; i < charts.size(); ++i) {
        scene.addItem(charts[i]);
        charts[i]->setGeometry(QRectF(QPointF(0, double(i) * chart.height()), chart));
        // Drawn at once, with no event loop to finish the layout.
        ChartDressing::settle(charts[i]);
    }
    return charts;
}

void QtChartPainter::paint(QPainter &painter, const QRectF &target, const ChartData &d, bool both)
{
    const QSizeF size = logicalSize(both);
    QGraphicsScene scene(QRectF(QPointF(0, 0), size));
    scene.setBackgroundBrush(Qt::white);
    layOut(scene, d, both, QSizeF(kWidth, kHeight));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    scene.render(&painter, target, scene.sceneRect(), Qt::KeepAspectRatio);
}

QImage QtChartPainter::image(const ChartData &d, bool both)
{
    if (d.isEmpty())
        return {};
    const QSizeF size = logicalSize(both);
    QGraphicsScene scene(QRectF(QPointF(0, 0), size));
    scene.setBackgroundBrush(Qt::white);
    layOut(scene, d, both, QSizeF(kWidth, kHeight));
    return atPrintResolution(scene);
}

ChartPicture QtChartPainter::documentPicture(const StudySnapshot &study)
{
    const QImage picture = image(ChartData::of(study), false);
    if (picture.isNull())
        return {};
    return {png(picture), picture.size()};
}

QImage QtChartPainter::image(const HypothesesChartData &d)
{
    if (d.isEmpty())
        return {};
    const QSizeF size = logicalSize(false);
    QGraphicsScene scene(QRectF(QPointF(0, 0), size));
    scene.setBackgroundBrush(Qt::white);
    QChart *chart = ResultsChart::hypotheses(d);
    scene.addItem(chart);
    chart->setGeometry(scene.sceneRect());
    ChartDressing::settle(chart);
    return atPrintResolution(scene);
}

ChartPicture QtChartPainter::hypothesesPicture(const StudySnapshot &study)
{
    const QImage picture = image(HypothesesChartData::of(study));
    if (picture.isNull())
        return {};
    return {png(picture), picture.size()};
}

QByteArray QtChartPainter::file(const StudySnapshot &study, Format format)
{
    const ChartData d = ChartData::of(study);
    if (d.isEmpty())
        return {};
    switch (format) {
    case Format::Png:
        return png(image(d, true));
    case Format::Svg:
        return svg(d);
    case Format::Pdf:
        return pdf(d);
    }
    return {};
}
