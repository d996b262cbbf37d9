// The program's shape as a user meets it: the closed set of windows, each
// window's half of the study starting afresh once unloaded, and the command
// tables behind menus, toolbar and buttons.
#include "GuiSupport.h"
#include "projection/stimaabitanti.h"
#include "study/Study.h"
#include "titlepage/frontespizio.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QToolBar>

using F = ProjectionModel::Field;
using TF = TitlePageModel::Field;

namespace {

// The access key of a caption ("Es&ci" -> 'c'), or none.
QChar accessKey(const QString &caption)
{
    const qsizetype at = caption.indexOf(u'&');
    return at >= 0 && at + 1 < caption.size() ? caption[at + 1].toLower() : QChar();
}

void computeExample(ProjectionModel &m, const QString &target)
{
    fillFields(m, workedExample(target));
    m.calcola_Click();
}

} // namespace

class StructureTest : public QObject {
    Q_OBJECT

    // A row for each main window: the projection window, then the title page.
    static void bothMainWindows()
    {
        QTest::addColumn<bool>("titlePage");
        QTest::newRow("projection") << false;
        QTest::newRow("title page") << true;
    }

private slots:
    void unknownWindowNamesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("misspelt tips") << QStringLiteral("frmTipp");
        QTest::newRow("empty") << QString();
        QTest::newRow("other case") << QStringLiteral("Sommario");
    }
    void unknownWindowNamesAreRefused()
    {
        QFETCH(QString, name);
        App app;
        QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("Vicania: no window is named %1").arg(name)));
        QVERIFY(!app.program.window(name));
        QVERIFY(!app.program.loaded(name));
        showWindow(app.program, name); // shows nothing, and opens no guide page in its place
        for (const QString &known : Program::exitOrder())
            QVERIFY2(!app.program.loaded(known), qPrintable(known));
    }

    void everyNameOfTheSetOpensItsOwnWindow()
    {
        App app;
        QSet<QString> seen;
        const QStringList names = Program::exitOrder() << QStringLiteral("frmSplash");
        for (const QString &name : names) {
            QVERIFY2(!seen.contains(name), qPrintable(name));
            seen.insert(name);
            QWidget *w = app.program.window(name);
            QVERIFY2(w, qPrintable(name));
            QCOMPARE(w->objectName(), name);
            QCOMPARE(WindowNames::find(name).has_value(), true);
        }
    }

    void unloadingTheTitlePageStartsItAfresh()
    {
        App app;
        app.program.projection()->model().setText(F::anno1, QStringLiteral("1990"));
        frontespizio *page = app.program.titlePageWindow();
        page->model().setText(TF::ricerca, QStringLiteral("da dimenticare"));
        app.program.unload(QStringLiteral("frontespizio"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(app.program.titlePage().text(TF::ricerca), QString());
        QCOMPARE(app.program.titlePageWindow()->model().text(TF::ricerca), QString());
        // The projection window's half stays as it was.
        QCOMPARE(app.program.projection()->model().text(F::anno1), QStringLiteral("1990"));
    }

    void aTitlePageReadBeforeItsWindowIsTheOneTheWindowShows()
    {
        App app;
        app.program.titlePage().write({"Ricerca dal file", "", "", "", "", "", "", "Studio", "Via"});
        QCOMPARE(app.program.titlePageWindow()->model().text(TF::ricerca), QStringLiteral("Ricerca dal file"));
        // Leaving to the splash forgets it, loaded or not.
        app.program.unload(QStringLiteral("frontespizio"));
        app.program.titlePage().write({"Di nuovo", "", "", "", "", "", "", "", ""});
        app.program.leaveToSplash();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(app.program.titlePage().text(TF::ricerca), QString());
    }

    // The span refusal asks the exit question from inside the calculation:
    // Yes unloads the window whose model is still at work.
    void leavingFromInsideTheCalculationLosesNothingAndCrashesNothing()
    {
        App app;
        app.program.showWindow(WindowId::stimaabitanti);
        stimaabitanti *w = app.program.projection();
        app.messenger.answers.push_back(Message::Answer::Yes);
        computeExample(w->model(), QStringLiteral("2300"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!app.program.loaded(QStringLiteral("stimaabitanti")));
        ProjectionModel &fresh = app.program.projection()->model();
        QCOMPARE(fresh.text(F::anno2), QString());
        QCOMPARE(fresh.numop(), QStringLiteral("0"));
        computeExample(fresh, QStringLiteral("2010"));
        QVERIFY(!fresh.popolazione().isEmpty());
    }

    void toolbarPositionsEachRunOneCommand_data() { bothMainWindows(); }
    void toolbarPositionsEachRunOneCommand()
    {
        QFETCH(bool, titlePage);
        App app;
        QMainWindow *window = titlePage ? static_cast<QMainWindow *>(app.program.titlePageWindow())
                                        : static_cast<QMainWindow *>(app.program.projection());
        const CommandTable &table =
            titlePage ? app.program.titlePageWindow()->commands() : app.program.projection()->commands();
        auto *bar = window->findChild<QToolBar *>(QStringLiteral("Toolbar1"));
        QVERIFY(bar);
        for (int position = 1; position <= 16; ++position) {
            int rows = 0;
            for (const Command &c : table.rows())
                rows += c.toolbar == position ? 1 : 0;
            const bool separator = position == 5 || position == 8 || position == 13;
            QCOMPARE(rows, separator ? 0 : 1);
            auto *action = bar->findChild<QAction *>(QStringLiteral("Toolbar1_%1").arg(position));
            QCOMPARE(action != nullptr, !separator);
            if (action)
                QVERIFY2(!action->toolTip().isEmpty(), qPrintable(action->objectName()));
        }
        // Left to right in the order of their positions, separators between.
        QStringList shown;
        for (QAction *a : bar->actions())
            shown << (a->isSeparator() ? QStringLiteral("|") : a->objectName().mid(9));
        QCOMPARE(shown.join(u' '), QStringLiteral("1 2 3 4 | 6 7 | 9 10 11 12 | 14 15 16"));
        QVERIFY(!table.runToolbar(5));
        QVERIFY(!table.runToolbar(0));
        QVERIFY(!table.runToolbar(17));
    }

    void accessKeysAreUniqueWithinEachMenu_data() { bothMainWindows(); }
    void accessKeysAreUniqueWithinEachMenu()
    {
        QFETCH(bool, titlePage);
        App app;
        QMainWindow *window = titlePage ? static_cast<QMainWindow *>(app.program.titlePageWindow())
                                        : static_cast<QMainWindow *>(app.program.projection());
        for (QMenu *menu : window->menuBar()->findChildren<QMenu *>()) {
            QSet<QChar> keys;
            for (QAction *a : menu->actions()) {
                const QChar key = accessKey(a->text());
                if (key.isNull())
                    continue;
                QVERIFY2(!keys.contains(key), qPrintable(menu->objectName() + u' ' + a->text()));
                keys.insert(key);
            }
        }
    }

    void buttonsFollowTheirRowsEnabledState()
    {
        App app;
        stimaabitanti *w = app.program.projection();
        // Before a calculation only Calcola of the four works.
        QVERIFY(child<QPushButton>(w, QStringLiteral("calcola"))->isEnabled());
        QVERIFY(!child<QPushButton>(w, QStringLiteral("verifica"))->isEnabled());
        QVERIFY(!child<QPushButton>(w, QStringLiteral("frontespiz"))->isEnabled());
        computeExample(w->model(), QStringLiteral("2010"));
        QVERIFY(child<QPushButton>(w, QStringLiteral("verifica"))->isEnabled());
        QVERIFY(child<QPushButton>(w, QStringLiteral("frontespiz"))->isEnabled());
    }
};

QTEST_MAIN(StructureTest)
#include "test_structure.moc"
