// What the charts of a study show, taken from its snapshot: the inhabitants
// year by year in calendar order (also after a backward run), the start
// year's known inhabitants and the result, the six yearly components, the
// titles, and axes with round ticks in Italian numbers. The values are the
// grid's (rounded half up, migration without sign). It draws nothing:
// ResultsChart makes Qt Charts of it.
#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <utility>

struct StudySnapshot;

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
    Series inhabitants;
    Series known;  // one point: the start year
    Series result; // one point: the target year
    QList<Series> components;
    Axis years, people, flows;

    // No calculation is shown: the window says so instead of drawing.
    bool isEmpty() const { return inhabitants.points.isEmpty(); }
    bool operator==(const ChartData &) const = default;

    static ChartData of(const StudySnapshot &study);
};

namespace ChartNumbers {

// A whole number the Italian way: thousands with ".", "-" before.
QString italian(double value);
// Round ticks from lo to hi, about count of them; years step by whole years
// and are written without separators.
ChartData::Axis axis(double lo, double hi, int count, bool years);

} // namespace ChartNumbers
