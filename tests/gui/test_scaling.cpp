// Window scaling: directives, lines, minimized windows, the recorded size.
#include "scaling/LineControl.h"
#include "scaling/clsResize.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

class ScalingTest : public QObject {
    Q_OBJECT

private:
    struct Form {
        QWidget window;
        QLabel *plain = new QLabel(&window);
        QLabel *topOnly = new QLabel(&window);
        QLabel *lower = new QLabel(&window);
        QLabel *other = new QLabel(&window);
        LineControl *line = new LineControl(&window);
        clsResize resize;
        Form()
        {
            window.resize(400, 300);
            plain->setGeometry(10, 20, 100, 30);
            topOnly->setGeometry(10, 20, 100, 30);
            topOnly->setProperty("Tag", QStringLiteral("@T"));
            lower->setGeometry(10, 20, 100, 30);
            lower->setProperty("Tag", QStringLiteral("@l,t"));
            other->setGeometry(10, 20, 100, 30);
            other->setProperty("Tag", QStringLiteral("nota"));
            line->setPoints(QPoint(5, 10), QPoint(50, 100));
            resize.setSourceForm(&window);
        }
    };

private slots:
    void directives()
    {
        QCOMPARE(clsResize::directiveFor(QString()).width, true);
        const auto t = clsResize::directiveFor(QStringLiteral("@T"));
        QVERIFY(!t.left && t.top && !t.width && !t.height);
        const auto lt = clsResize::directiveFor(QStringLiteral("@l,t"));
        QVERIFY(lt.left && lt.top && !lt.width && !lt.height);
        const auto free = clsResize::directiveFor(QStringLiteral("qualsiasi"));
        QVERIFY(free.left && free.top && free.width && free.height);
    }

    void theFirstCallOnlyRecords()
    {
        Form f;
        QVERIFY(f.resize.NeedsInit());
        f.window.resize(800, 600);
        f.resize.ResizeControls();
        QVERIFY(!f.resize.NeedsInit());
        QCOMPARE(f.resize.RecordedWidth(), 800);
        QCOMPARE(f.plain->geometry(), QRect(10, 20, 100, 30));
    }

    void doublingTheWidthDoublesLeftsAndWidths()
    {
        Form f;
        f.resize.ResizeControls();
        f.window.resize(800, 300);
        f.resize.ResizeControls();
        QCOMPARE(f.plain->geometry(), QRect(20, 20, 200, 30));
        QCOMPARE(f.other->geometry(), QRect(20, 20, 200, 30));
        QCOMPARE(f.topOnly->geometry(), QRect(10, 20, 100, 30));
        QCOMPARE(f.lower->geometry(), QRect(20, 20, 100, 30));
        QCOMPARE(f.line->start(), QPoint(10, 10));
        QCOMPARE(f.line->end(), QPoint(100, 100));
        // Always from the recorded layout, never from the last pass.
        f.window.resize(400, 600);
        f.resize.ResizeControls();
        QCOMPARE(f.plain->geometry(), QRect(10, 40, 100, 60));
        QCOMPARE(f.topOnly->geometry(), QRect(10, 40, 100, 30));
        QCOMPARE(f.line->start(), QPoint(5, 20));
        QCOMPARE(f.line->end(), QPoint(50, 200));
    }

    void aMinimizedWindowIsLeftAlone()
    {
        Form f;
        f.resize.ResizeControls();
        f.window.setWindowState(Qt::WindowMinimized);
        f.window.resize(800, 600);
        f.resize.ResizeControls();
        QCOMPARE(f.plain->geometry(), QRect(10, 20, 100, 30));
        f.window.setWindowState(Qt::WindowNoState);
        f.resize.ResizeControls();
        QCOMPARE(f.plain->geometry(), QRect(20, 40, 200, 60));
    }

    void aLayoutRecordedWithNoAreaIsRecordedAgain()
    {
        Form f;
        f.window.resize(0, 0);
        f.resize.ResizeControls();
        QCOMPARE(f.resize.RecordedWidth(), 0);
        f.window.resize(400, 300);
        f.resize.ResizeControls(); // records, scales nothing
        QCOMPARE(f.resize.RecordedWidth(), 400);
        QCOMPARE(f.plain->geometry(), QRect(10, 20, 100, 30));
        f.window.resize(800, 300);
        f.resize.ResizeControls();
        QCOMPARE(f.plain->geometry(), QRect(20, 20, 200, 30));
    }

    void sizesAndCentresTheWindowOnTheScreen()
    {
        Form f;
        f.resize.SizeFormToScreen(75);
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QCOMPARE(f.window.size(), QSize(int(static_cast<float>(screen.width()) * 0.75f),
                                        int(static_cast<float>(screen.height()) * 0.75f)));
        QCOMPARE(f.window.pos(),
                 QPoint((screen.width() - f.window.width()) / 2, (screen.height() - f.window.height()) / 2));
        const double ratio = f.window.width() / 400.0;
        QCOMPARE(f.plain->x(), int(std::lround(10 * ratio)));
    }

    void resizingTheWindowScalesThroughItsEvents()
    {
        Form f;
        f.window.show();
        f.resize.ResizeControls();
        f.window.resize(800, 600);
        QTRY_COMPARE(f.plain->geometry(), QRect(20, 40, 200, 60));
    }
};

QTEST_MAIN(ScalingTest)
#include "test_scaling.moc"
