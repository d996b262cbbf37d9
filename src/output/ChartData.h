// What the charts of a study show, taken from its snapshot: the inhabitants
// at the start of each year in calendar order (also after a backward run),
// from the known inhabitants to the result, both marked; the six yearly
// components as the grid shows them (rounded half up, migration without
// sign); the titles, the notes that say what the line shows and how much it
// changes, and axes with round ticks in Italian numbers. It draws nothing:
// ResultsChart makes Qt Charts of it.
#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <utility>

struct StudySnapshot;
struct TitlePageData;

struct ChartData {
    struct Axis {
        double min = 0;
        double max = 1;
        QList<std::pair<double, QString>> ticks; // value and its label, ascending
        QString title;
        bool operator==(const Axis &) const = default;
    };
    struct Series {
        QString name;
        QList<QPointF> points;
        bool operator==(const Series &) const = default;
    };

    QString title;    // of the inhabitants chart, with the study's names
    QString subtitle; // research and place, a line each, when the title page holds them
    QString note;     // under the inhabitants chart: what its line shows
    QString change;   // by the inhabitants axis: the whole change, in percent
    Series inhabitants;
    Series known;  // one point: the start year
    Series result; // one point: the target year
    QList<Series> components;
    Axis years, people, flows;

    // No calculation is shown: the window says so instead of drawing.
    bool isEmpty() const { return inhabitants.points.isEmpty(); }
    bool operator==(const ChartData &) const = default;

    static ChartData of(const StudySnapshot &study);
    // The research and the place of a title page, a line each, as the charts' subtitle.
    static QString subtitleOf(const TitlePageData &titlePage);
};

namespace ChartNumbers {

// A whole number the Italian way: thousands with ".", "-" before.
QString italian(double value);
// Round ticks from lo to hi, about count of them, the ends rounded outwards.
ChartData::Axis axis(double lo, double hi, int count);
// The years from first to last, both labelled, and round years between them
// (every 1, 2, 5, 10, 20... years) at least minGap years from any other
// label; written without separators.
ChartData::Axis years(double first, double last, double minGap);

} // namespace ChartNumbers
