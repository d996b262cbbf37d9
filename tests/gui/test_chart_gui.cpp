// The chart window as a user meets it: opened from its menu, following every
// calculation, a sentence while none is shown, its export in three formats;
// the new menu items of both main windows; the pictures the painter draws.
#include "GuiSupport.h"
#include "chart/grafico.h"
#include "core/AppGlobals.h"
#include "hypotheses/ipotesi.h"
#include "output/QtChartPainter.h"
#include "projection/stimaabitanti.h"
#include "titlepage/frontespizio.h"

#include <QAction>
#include <QChartView>
#include <QFile>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>
#include <QXmlStreamReader>

using F = ProjectionModel::Field;

namespace {

void compute(ProjectionModel &m, const QString &target, const QString &immigr = QStringLiteral("3"))
{
    fillFields(m, workedExample(target, immigr));
    m.calcola_Click();
}

// The share of pixels that are not white: a drawn chart has lines and text.
double inked(const QImage &image)
{
    qint64 ink = 0;
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4)
            ink += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    }
    return double(ink) / (double(image.width() / 4) * double(image.height() / 4));
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class ChartGuiTest : public QObject {
    Q_OBJECT

private slots:
    void theMenuOpensOneWindowThatFollowsTheCalculation()
    {
        App app;
        stimaabitanti *w = app.program.projection();
        QAction *item = action(w, QStringLiteral("grafico"));
        QVERIFY(item);
        QCOMPARE(item->text(), QStringLiteral("&Grafico dei risultati"));
        item->trigger();
        auto *chart = qobject_cast<grafico *>(app.program.loaded(WindowId::grafico));
        QVERIFY(chart);
        QVERIFY(chart->isVisible());
        QCOMPARE(chart->windowTitle(), QStringLiteral("Vicania: Grafico dei risultati"));
        item->trigger();
        QCOMPARE(app.program.loaded(WindowId::grafico), chart);
        // No calculation yet: a sentence, no chart.
        QVERIFY(!chart->showsChart());
        QVERIFY(child<QLabel>(chart, QStringLiteral("nessuncalcolo"))->text().contains(QStringLiteral("Calcola")));

        compute(w->model(), QStringLiteral("2030"));
        QVERIFY(chart->showsChart());
        QCOMPARE(chart->shown().inhabitants.points.size(), 31);
        QVERIFY(child<QChartView>(chart, QStringLiteral("graficoabitanti"))->chart());
        const ChartData afterCalcola = chart->shown();

        // Verifica runs backwards from the result: the chart shows that run.
        w->model().verifica_Click();
        QVERIFY(chart->showsChart());
        QVERIFY(chart->shown() != afterCalcola);
        QCOMPARE(chart->shown().result.points[0].x(), 2000.0);

        // A changed field empties the result, and the chart goes.
        w->model().setText(F::tassofert, QStringLiteral("1,6"));
        QVERIFY(!chart->showsChart());
        w->model().calcola_Click();
        QVERIFY(chart->showsChart());
    }

    void riequilibraRedrawsTheRebalancedRun()
    {
        App app;
        ProjectionModel &m = app.program.projection()->model();
        // A town whose backward run falls short of the typed inhabitants.
        const QStringList texts{"2000", "12300", "1,1", "15", "45", "6", "78", "2", "5", "2001"};
        for (int i = 0; i < texts.size(); ++i)
            m.setText(static_cast<F>(i), texts[i]);
        m.calcola_Click();
        showWindow(app.program, QStringLiteral("grafico"));
        auto *chart = qobject_cast<grafico *>(app.program.loaded(WindowId::grafico));
        m.verifica_Click();
        QVERIFY(m.riequilibraEnabled());
        const ChartData verified = chart->shown();
        m.riequilibra_Click();
        // The rebalancing steps the known inhabitants of the backward run.
        QVERIFY(chart->shown() != verified);
        QVERIFY(chart->shown() == ChartData::of(app.program.study().snapshot()));
        QVERIFY(chart->shown().known.points[0].y() != verified.known.points[0].y());
    }

    void theChartFollowsAProjectionWindowLoadedAfresh()
    {
        App app;
        compute(app.program.projection()->model(), QStringLiteral("2010"));
        showWindow(app.program, QStringLiteral("grafico"));
        auto *chart = qobject_cast<grafico *>(app.program.loaded(WindowId::grafico));
        QVERIFY(chart && chart->showsChart());
        app.program.unload(WindowId::stimaabitanti);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        compute(app.program.projection()->model(), QStringLiteral("2040"));
        QCOMPARE(chart->shown().inhabitants.points.size(), 41);
    }

    void theTitleNamesTheStudy()
    {
        App app;
        compute(app.program.projection()->model(), QStringLiteral("2010"));
        app.program.titlePage().setText(TitlePageModel::Field::localita, QStringLiteral("Borgo"));
        showWindow(app.program, QStringLiteral("grafico"));
        auto *chart = qobject_cast<grafico *>(app.program.loaded(WindowId::grafico));
        // The title block is a text of the chart's own, wrapped to its width.
        bool named = false;
        for (QGraphicsItem *item : child<QChartView>(chart, QStringLiteral("graficoabitanti"))->chart()->childItems()) {
            if (auto *text = dynamic_cast<QGraphicsTextItem *>(item))
                named |= text->toPlainText().startsWith(QStringLiteral("Numero di abitanti anno per anno\nBorgo"));
        }
        QVERIFY(named);
    }

    void exportsInEachFormatAndRemembersTheName()
    {
        App app;
        compute(app.program.projection()->model(), QStringLiteral("2199"));
        auto *chart = qobject_cast<grafico *>(app.program.window(WindowId::grafico));
        const QString png = app.folder.filePath(QStringLiteral("grafico.png"));
        const QString svg = app.folder.filePath(QStringLiteral("grafico.svg"));
        const QString pdf = app.folder.filePath(QStringLiteral("grafico"));
        app.dialogs.choices = {png, svg, pdf};
        QVERIFY(chart->esporta_Click());
        QVERIFY(chart->esporta_Click());
        QVERIFY(chart->esporta_Click()); // no extension: a PNG
        QCOMPARE(app.dialogs.requests[0].fileName, QStringLiteral("Vicania-grafico.png"));
        QCOMPARE(app.dialogs.requests[0].title, QStringLiteral("Esporta il grafico"));
        QCOMPARE(app.dialogs.requests[1].fileName, png);
        QCOMPARE(app.dialogs.requests[2].fileName, svg);
        QCOMPARE(app.dialogs.requests[2].filterIndex, 2);
        QVERIFY(app.messenger.shown.isEmpty());

        QImage image;
        QVERIFY(image.loadFromData(readAll(png), "PNG"));
        // Both charts across 17 cm at 300 dpi.
        QCOMPARE(image.width(), qRound(QtChartPainter::kWidth * 300 / 96));
        QCOMPARE(image.height(), qRound(2 * QtChartPainter::kHeight * 300 / 96));
        QCOMPARE(image.dotsPerMeterX(), qRound(300 / 0.0254));
        QVERIFY2(inked(image) > 0.02, qPrintable(QString::number(inked(image))));
        QVERIFY(readAll(pdf + QStringLiteral(".png")).startsWith("\x89PNG"));

        QXmlStreamReader xml(readAll(svg));
        int texts = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            texts += xml.isStartElement() && xml.name() == QLatin1String("text") ? 1 : 0;
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(texts > 20);
    }

    void aPdfIsOnePage()
    {
        App app;
        compute(app.program.projection()->model(), QStringLiteral("2050"));
        QtChartPainter painter;
        const QByteArray pdf = painter.file(app.program.study().snapshot(), ChartPainter::Format::Pdf);
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1);
    }

    void anExportWithoutACalculationIsRefused()
    {
        App app;
        auto *chart = qobject_cast<grafico *>(app.program.window(WindowId::grafico));
        QVERIFY(!chart->esporta_Click());
        QCOMPARE(app.messenger.shown.size(), 1);
        QCOMPARE(app.messenger.shown[0].icon, Message::Icon::Critical);
        QVERIFY(app.dialogs.requests.isEmpty());
    }

    void aFailedExportKeepsThePreviousFile()
    {
        App app;
        compute(app.program.projection()->model(), QStringLiteral("2010"));
        auto *chart = qobject_cast<grafico *>(app.program.window(WindowId::grafico));
        const QString path = app.folder.filePath(QString(251, u'g') + QStringLiteral(".png"));
        {
            QFile previous(path);
            QVERIFY(previous.open(QIODevice::WriteOnly));
            previous.write("prima");
        }
        QVERIFY(!chart->esporta(path));
        QCOMPARE(app.messenger.shown.size(), 1);
        QVERIFY(app.messenger.shown[0].text.startsWith(QStringLiteral("Impossibile esportare il grafico")));
        QCOMPARE(readAll(path), QByteArray("prima"));
    }

    void theDocumentPictureIsAPageWideAndDrawn()
    {
        App app;
        compute(app.program.projection()->model(), QStringLiteral("2199"));
        QtChartPainter painter;
        const ChartPicture picture = painter.documentPicture(app.program.study().snapshot());
        QVERIFY(!picture.isNull());
        QImage image;
        QVERIFY(image.loadFromData(picture.png, "PNG"));
        QCOMPARE(image.size(), picture.pixels);
        QCOMPARE(image.width(), qRound(QtChartPainter::kWidth * 300 / 96));
        QVERIFY(inked(image) > 0.02);
        app.program.projection()->model().setText(F::anno2, QStringLiteral("2198"));
        QVERIFY(painter.documentPicture(app.program.study().snapshot()).isNull());
    }

    void theNewMenuItemsOfBothMainWindows()
    {
        App app;
        QAction *export_ = action(app.program.projection(), QStringLiteral("esportatabella"));
        QVERIFY(export_);
        QCOMPARE(export_->text(), QStringLiteral("Es&porta tabella..."));
        // No calculation: the export says so.
        export_->trigger();
        QCOMPARE(app.messenger.shown.size(), 1);
        appGlobals().StudioName = QStringLiteral("Studio Rossi"); // signed without asking
        QAction *report = action(app.program.titlePageWindow(), QStringLiteral("stampagrafico"));
        QVERIFY(report);
        QCOMPARE(report->text(), QStringLiteral("intera elaborazione con &grafico"));
        compute(app.program.projection()->model(), QStringLiteral("2010"));
        report->trigger();
        QCOMPARE(app.messenger.shown.size(), 1);
        QCOMPARE(QDir(app.folder.path()).entryList(QDir::Files).size(), 1);
        appGlobals().StudioName.clear();
    }

    void theHypothesesWindowFollowsTheStudyAndDrawsItsPicture()
    {
        App app;
        stimaabitanti *w = app.program.projection();
        QAction *item = action(w, QStringLiteral("ipotesi"));
        QCOMPARE(item->text(), QStringLiteral("&Ipotesi a confronto"));
        item->trigger();
        QPointer<ipotesi> h = qobject_cast<ipotesi *>(app.program.loaded(WindowId::ipotesi));
        QVERIFY(h && h->isVisible());
        QCOMPARE(h->windowTitle(), QStringLiteral("Vicania: Ipotesi a confronto"));
        compute(w->model(), QStringLiteral("2030"));
        auto *values = child<QTableWidget>(h, QStringLiteral("valori"));
        QCOMPARE(values->accessibleName(), QStringLiteral("Valori delle ipotesi bassa, centrale e alta"));
        QCOMPARE(values->verticalHeaderItem(0)->text(), QStringLiteral("Tasso di fecondità (%)"));
        QCOMPARE(values->item(0, 1)->text(), QStringLiteral("1,5"));
        QVERIFY(!(values->item(0, 1)->flags() & Qt::ItemIsEditable));
        values->item(0, 0)->setText(QStringLiteral("1,2")); // as its editor writes it
        QTRY_COMPARE(h->model().value(Hypotheses::Kind::Low, F::tassofert), QStringLiteral("1,2"));
        auto *calcola = child<QPushButton>(h, QStringLiteral("calcolaipotesi"));
        QCOMPARE(calcola->accessibleName(), QStringLiteral("Calcola ipotesi"));
        calcola->click();
        auto *years = child<QTableWidget>(h, QStringLiteral("abitanti"));
        QCOMPARE(years->rowCount(), 31);
        QStringList tabOrder;
        for (QWidget *next = values; tabOrder.size() < 5; next = next->nextInFocusChain()) {
            if (next->focusPolicy() & Qt::TabFocus && !next->objectName().isEmpty())
                tabOrder << next->objectName();
        }
        QCOMPARE(tabOrder.join(u' '), QStringLiteral("valori calcolaipotesi abitanti risultati chiudi"));
        QCOMPARE(years->item(0, 2)->text(), QStringLiteral("10.000"));
        QVERIFY(!h->shown().isEmpty());
        QtChartPainter painter;
        const ChartPicture picture = painter.hypothesesPicture(app.program.study().snapshot());
        QImage image;
        QVERIFY(image.loadFromData(picture.png, "PNG"));
        QCOMPARE(image.width(), qRound(QtChartPainter::kWidth * 300 / 96));
        QVERIFY(inked(image) > 0.02);

        w->model().setText(F::tassofert, QStringLiteral("1,6"));
        QCOMPARE(years->rowCount(), 0);
        QVERIFY(h->shown().isEmpty());
        QCOMPARE(values->item(0, 1)->text(), QStringLiteral("1,6"));
        QVERIFY(painter.hypothesesPicture(app.program.study().snapshot()).isNull());
        QTest::keyClick(h, Qt::Key_Escape);
        QVERIFY(h.isNull() || !h->isVisible());
    }
};

QTEST_MAIN(ChartGuiTest)
#include "test_chart_gui.moc"
