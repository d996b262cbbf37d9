// What a chart needs around its plot beyond Qt Charts' own: the title block
// wrapped to the width instead of cut, a note by the values' axis, a legend
// whose swatches show each series' line pattern and marker (so the series
// stay apart in grayscale), wrapped too, a note under it, the markers'
// numbers placed off the line and off each other, and as many whole year
// labels as the width holds. All of it is laid out again whenever the chart
// changes size, in the window as in the pictures.
#pragma once

#include "ChartData.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QObject>
#include <QPen>
#include <QRectF>

class QAbstractGraphicsShapeItem;
class QMarginsF;
class QCategoryAxis;
class QChart;
class QGraphicsLineItem;
class QGraphicsTextItem;
class QXYSeries;

class ChartDressing : public QObject {
    Q_OBJECT

public:
    enum class Mark { None, Circle, Square };
    struct Entry {
        QString text;
        QPen pen; // Qt::NoPen: a marker only
        Mark mark = Mark::None;
        QColor fill;
    };
    // A number written by the one point of a marker series.
    struct Label {
        QXYSeries *marker;
        QString text;
        QColor colour;
    };

    // Made a child of chart, whose title and legend it replaces.
    ChartDressing(QChart *chart, QCategoryAxis *yearAxis, const ChartData::Axis &years);
    void setHeader(const QString &title, const QString &subtitle, const QString &axisNote);
    void setLegend(const QList<Entry> &entries);
    void setNote(const QString &note);
    void setLabels(QXYSeries *line, const QList<Label> &labels);

    // Labels exactly the ticks of a, in our format, from a little before
    // its first value; pad widens the range on both sides by that share.
    static void setTicks(QCategoryAxis *axis, const ChartData::Axis &a, double pad = 0);
    // Lays chart out at once, however many passes its dressing needs.
    static void settle(QChart *chart);

private:
    struct Swatch {
        QGraphicsLineItem *line;
        QAbstractGraphicsShapeItem *mark;
        QGraphicsTextItem *text;
    };
    void relayout();
    QMarginsF setType(double points);
    double layOutLegend(double top);
    void fitYears(double plotWidth);
    void placeLabels();

    QChart *m_chart;
    QString m_title, m_subtitle;
    QFont m_legendFont;
    QCategoryAxis *m_yearAxis;
    ChartData::Axis m_years;
    QGraphicsTextItem *m_header;
    QGraphicsTextItem *m_axisNote;
    QGraphicsTextItem *m_note;
    QList<Swatch> m_legend;
    QXYSeries *m_line = nullptr;
    QList<std::pair<Label, QGraphicsTextItem *>> m_labels;
    bool m_busy = false;
};
