// The charts as they are laid out for the pictures and the window, off
// screen: every text whole, inside its chart and clear of every other text,
// and the markers' numbers off the inhabitants' line.
#include "output/ChartData.h"
#include "output/QtChartPainter.h"
#include "support/Cases.h"
#include "support/Scripted.h"

#include <QApplication>
#include <QChart>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLineSeries>
#include <QPainterPathStroker>
#include <QTextDocument>

namespace {

struct Layout {
    const char *name;
    int years;
    bool backward;
    int researchLength; // characters of the research name
    double width, height;
};

struct Text {
    QString text;
    QRectF box; // in the chart's coordinates, without the text's own margin
};

QList<Text> texts(QChart *chart)
{
    QList<Text> found;
    for (QGraphicsItem *item : chart->scene()->items()) {
        auto *t = dynamic_cast<QGraphicsTextItem *>(item);
        if (!t || !chart->isAncestorOf(t) || !t->isVisible() || t->toPlainText().isEmpty())
            continue;
        const double m = t->document()->documentMargin();
        found.append({t->toPlainText(), chart->mapRectFromItem(t, t->boundingRect().adjusted(m, m, -m, -m))});
    }
    return found;
}

class ChartLayout : public testing::TestWithParam<Layout> {};

TEST_P(ChartLayout, TextsWholeApartAndOffTheLine)
{
    const Layout &row = GetParam();
    Window w;
    w.titlePage.setText(
        TitlePageModel::Field::ricerca,
        QString(row.researchLength, u'x').replace(QStringLiteral("xxxxxxx"), QStringLiteral("Piano, ")));
    w.titlePage.setText(TitlePageModel::Field::localita, QStringLiteral("San Martino di Castrozza"));
    const QString target = QString::number(row.backward ? 2000 - row.years : 2000 + row.years);
    fillFields(w.m(), workedExample(target, QStringLiteral("30"), QStringLiteral("10")));
    w.m().calcola_Click();
    QGraphicsScene scene;
    const QList<QChart *> charts =
        QtChartPainter::layOut(scene, ChartData::of(w.study.snapshot()), true, QSizeF(row.width, row.height));
    for (QChart *chart : charts) {
        const QList<Text> all = texts(chart);
        ASSERT_GT(all.size(), 15);
        for (qsizetype i = 0; i < all.size(); ++i) {
            EXPECT_FALSE(all[i].text.contains(u'…') || all[i].text.contains(QStringLiteral("...")))
                << all[i].text.toStdString();
            EXPECT_TRUE(QRectF(QPointF(), chart->size()).contains(all[i].box)) << all[i].text.toStdString();
            for (qsizetype j = i + 1; j < all.size(); ++j)
                EXPECT_FALSE(all[i].box.intersects(all[j].box))
                    << '"' << all[i].text.toStdString() << "\" on \"" << all[j].text.toStdString() << '"';
        }
    }
    // The numbers by the markers, the only texts inside the plot.
    auto *line = qobject_cast<QLineSeries *>(charts[0]->series().first());
    QPainterPath path;
    for (const QPointF &p : line->points())
        path.isEmpty() ? path.moveTo(charts[0]->mapToPosition(p, line))
                       : path.lineTo(charts[0]->mapToPosition(p, line));
    const QPainterPath stroke = QPainterPathStroker(QPen(Qt::black, line->pen().widthF())).createStroke(path);
    int numbers = 0;
    for (const Text &t : texts(charts[0])) {
        if (!charts[0]->plotArea().contains(t.box))
            continue;
        ++numbers;
        EXPECT_FALSE(stroke.intersects(t.box)) << t.text.toStdString();
    }
    EXPECT_EQ(numbers, 2);
}

const Layout kLayouts[] = {
    {"Forward1", 1, false, 20, 642, 386},
    {"Backward1", 1, true, 20, 642, 386},
    {"Forward2", 2, false, 20, 642, 386},
    {"Backward2", 2, true, 20, 642, 386},
    {"Forward5", 5, false, 20, 642, 386},
    {"Backward5", 5, true, 20, 642, 386},
    {"Forward10", 10, false, 20, 642, 386},
    {"Backward10", 10, true, 20, 642, 386},
    {"Forward11", 11, false, 20, 642, 386},
    {"Backward11", 11, true, 20, 642, 386},
    {"Forward14", 14, false, 20, 642, 386},
    {"Backward14", 14, true, 20, 642, 386},
    {"Forward20", 20, false, 20, 642, 386},
    {"Backward20", 20, true, 20, 642, 386},
    {"Forward28", 28, false, 20, 642, 386},
    {"Backward28", 28, true, 20, 642, 386},
    {"Forward29", 29, false, 20, 642, 386},
    {"Backward29", 29, true, 20, 642, 386},
    {"Forward60", 60, false, 20, 642, 386},
    {"Backward60", 60, true, 20, 642, 386},
    {"Forward120", 120, false, 20, 642, 386},
    {"Backward120", 120, true, 20, 642, 386},
    {"Forward199", 199, false, 20, 642, 386},
    {"Backward199", 199, true, 20, 642, 386},
    // A research name of 450 characters wraps; the window at its smallest.
    {"LongResearch", 12, true, 450, 642, 386},
    {"LongResearchLongestSpan", 199, false, 450, 642, 386},
    {"NarrowWindow", 14, false, 20, 480, 300},
    {"NarrowWindowBackward", 199, true, 60, 480, 300},
};
INSTANTIATE_TEST_SUITE_P(Charts, ChartLayout, testing::ValuesIn(kLayouts), RowName());

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
