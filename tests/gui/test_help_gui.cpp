// The help windows: pages, contents, tips, about and support.
#include "GuiSupport.h"
#include "app/frmSplash.h"
#include "core/AppGlobals.h"
#include "core/WindowNames.h"
#include "help/GuidePage.h"
#include "help/GuideTexts.h"
#include "help/InfoWindows.h"
#include "help/ProgramFolder.h"
#include "help/frmTip.h"
#include "help/sommario.h"
#include "projection/stimaabitanti.h"
#include "titlepage/frontespizio.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class HelpGuiTest : public QObject {
    Q_OBJECT

private:
    static void send(QWidget *target, QEvent::Type type)
    {
        const QPointF local = QRectF(target->rect()).center();
        QMouseEvent e(type, local, target->mapToGlobal(local),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &e);
    }
    template <typename T> static T *shown(App &app, const QString &name)
    {
        showWindow(app.program, name);
        return qobject_cast<T *>(app.program.loaded(name));
    }

private slots:
    void init() { ProgramFolder::setPath(QStringLiteral(VICANIA_RESOURCES)); }

    // A help command of the projection window: its menu entry, the window it
    // opens and its toolbar position.
    void everyHelpCommandOpensOneWindow_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("position");
        QTest::newRow("guida") << QStringLiteral("guida") << QStringLiteral("sommario") << 9;
        QTest::newRow("suggerimenti") << QStringLiteral("suggerimenti") << QStringLiteral("frmTip") << 10;
        QTest::newRow("supporto") << QStringLiteral("supporto") << QStringLiteral("supportoclienti") << 11;
        QTest::newRow("informazioni") << QStringLiteral("informazioni") << QStringLiteral("informaz") << 12;
    }

    void everyHelpCommandOpensOneWindow()
    {
        QFETCH(QString, action);
        QFETCH(QString, window);
        QFETCH(int, position);
        App app;
        stimaabitanti *w = app.program.projection();
        child<QAction>(w, action)->trigger();
        QWidget *first = app.program.loaded(window);
        QVERIFY(first && first->isVisible());
        auto *button = w->findChild<QAction *>(QStringLiteral("Toolbar1_%1").arg(position));
        QVERIFY(button);
        button->trigger();
        QCOMPARE(app.program.loaded(window), first);
    }

    void theTitlePageOpensTheTipsToo()
    {
        App app;
        frontespizio *page = app.program.titlePageWindow();
        child<QAction>(page, QStringLiteral("sugger"))->trigger();
        QWidget *tips = app.program.loaded(QStringLiteral("frmTip"));
        QVERIFY(tips && tips->isVisible());
    }

    void theContentsBoldOnHoverAndOpenOnPress()
    {
        App app;
        auto *s = shown<sommario>(app, QStringLiteral("sommario"));
        QCOMPARE(s->windowTitle(), QStringLiteral("Vicania: guida in linea"));
        QCOMPARE(child<QPushButton>(s, QStringLiteral("Command1"))->toolTip(),
                 QStringLiteral("cliccare per uscire da Vicania"));
        send(s->lbl(3), QEvent::MouseMove);
        send(s->lbl(4), QEvent::MouseMove);
        for (int i = 1; i <= sommario::kTopicCount; ++i)
            QCOMPARE(s->lbl(i)->font().bold(), i == 4);
        // Every topic still fits its box in bold.
        for (int i = 1; i <= sommario::kTopicCount; ++i) {
            send(s->lbl(i), QEvent::MouseMove);
            QVERIFY(s->lbl(i)->font().bold());
            QVERIFY2(s->lbl(i)->fontMetrics().horizontalAdvance(s->lbl(i)->text()) <= s->lbl(i)->contentsRect().width(),
                     qPrintable(s->lbl(i)->text()));
        }
        const QFont plain = s->lbl(1)->font();
        send(child<QWidget>(s, QStringLiteral("client")), QEvent::MouseMove);
        for (int i = 1; i <= sommario::kTopicCount; ++i)
            QVERIFY(!s->lbl(i)->font().bold());
        QCOMPARE(s->lbl(7)->font().pointSizeF(), s->lbl(1)->font().pointSizeF());
        QVERIFY(s->lbl(7)->font().pointSizeF() >= plain.pointSizeF());
        send(s->lbl(4), QEvent::MouseButtonPress);
        QVERIFY(app.program.loaded(QStringLiteral("guidadati"))->isVisible());
        QCOMPARE(s->lbl(4)->frameShape(), QFrame::NoFrame);
        send(s->lbl(4), QEvent::MouseButtonRelease);
        QCOMPARE(s->lbl(4)->frameShape(), QFrame::Box);
        QTest::mouseClick(child<QPushButton>(s, QStringLiteral("puls_8")), Qt::LeftButton);
        QVERIFY(app.program.loaded(QStringLiteral("frmTip"))->isVisible());
        QCOMPARE(WindowNames::name(sommario::topicWindow(99)), QStringLiteral("manuale"));
        QTest::mouseClick(child<QPushButton>(s, QStringLiteral("cmdchiudi")), Qt::LeftButton);
        QVERIFY(!s->isVisible());
        QCOMPARE(app.program.loaded(QStringLiteral("sommario")), s);
    }

    void pagesHiddenKeepTheirPlaceUnloadedOnesStartAgain()
    {
        App app;
        auto *kept = shown<GuidePage>(app, QStringLiteral("guidafunzionamento"));
        QCOMPARE(kept->x(), 364); // 5467 twips
        QCOMPARE(kept->width(), 376);
        kept->move(100, 50);
        QTest::mouseClick(child<QPushButton>(kept, QStringLiteral("cmdChiudi")), Qt::LeftButton);
        QVERIFY(!kept->isVisible());
        QCOMPARE(shown<GuidePage>(app, QStringLiteral("guidafunzionamento")), kept);
        QCOMPARE(kept->pos(), QPoint(100, 50));

        auto *gone = shown<GuidePage>(app, QStringLiteral("guidaarchivio"));
        QPointer<GuidePage> guard = gone;
        gone->move(100, 50);
        QTest::mouseClick(child<QPushButton>(gone, QStringLiteral("cmdChiudi")), Qt::LeftButton);
        QVERIFY(!app.program.loaded(QStringLiteral("guidaarchivio")));
        QTRY_VERIFY(guard.isNull());
        auto *fresh = shown<GuidePage>(app, QStringLiteral("guidaarchivio"));
        QCOMPARE(fresh->x(), 364);
        QTest::mouseClick(child<QPushButton>(fresh, QStringLiteral("cmdSommario")), Qt::LeftButton);
        QVERIFY(app.program.loaded(QStringLiteral("sommario"))->isVisible());
    }

    void everyPageTextFitsItsWindow_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : GuidePage::windowNames())
            QTest::newRow(qPrintable(name)) << name;
    }

    void everyPageTextFitsItsWindow()
    {
        QFETCH(QString, name);
        App app;
        auto *page = shown<GuidePage>(app, name);
        QVERIFY(page);
        QCOMPARE(page->windowTitle(), QStringLiteral("Guida in linea"));
        QLabel *text = page->textLabel();
        QVERIFY2(text->heightForWidth(text->width()) <= text->height(),
                 qPrintable(QStringLiteral("%1>%2").arg(text->heightForWidth(text->width())).arg(text->height())));
    }

    void theManualIsTheWidePage()
    {
        App app;
        QCOMPARE(shown<GuidePage>(app, QStringLiteral("manuale"))->width(), 640);
    }

    void printingAPageWritesItsDocument()
    {
        App app;
        auto *page = shown<GuidePage>(app, QStringLiteral("guidadati"));
        QTest::mouseClick(child<QPushButton>(page, QStringLiteral("cmdStampa")), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(page, QStringLiteral("cmdChiudi")), Qt::LeftButton);
        shown<GuidePage>(app, QStringLiteral("guidadati"));
        QTest::mouseClick(child<QPushButton>(page, QStringLiteral("cmdStampa")), Qt::LeftButton);
        const QStringList files = QDir(app.folder.path()).entryList({"Vicania-guida-*.docx"}, QDir::Files);
        QCOMPARE(files.size(), 2);
        // Both are the page shown.
        for (const QString &file : files) {
            QProcess reader;
            reader.start(QStringLiteral("/usr/bin/python3"),
                         {QStringLiteral(VICANIA_DOCS_CHECK), QStringLiteral("--guide-page"),
                          QDir(app.folder.path()).filePath(file), QStringLiteral("Dati di calcolo")});
            QVERIFY(reader.waitForFinished(60000));
            QVERIFY2(reader.exitCode() == 0, reader.readAllStandardOutput().constData());
        }
    }

    void theContentsDocumentGoesBesideTheOtherDocuments()
    {
        App app;
        QTemporaryDir programFolder;
        ProgramFolder::setPath(programFolder.path());
        const QString target = QDir(app.folder.path()).filePath(QStringLiteral("Vicania-guida.docx"));
        // A file of the user's that happens to have the writer's old name.
        QFile own(target + QStringLiteral(".part"));
        QVERIFY(own.open(QIODevice::WriteOnly) && own.write("mio") == 3);
        own.close();
        auto *s = shown<sommario>(app, QStringLiteral("sommario"));
        QTest::mouseClick(child<QPushButton>(s, QStringLiteral("cmdstampa")), Qt::LeftButton);
        QVERIFY(QFile::exists(target));
        QVERIFY(!QFile::exists(programFolder.filePath(QStringLiteral("Vicania-guida.docx"))));
        // Printed again, it replaces its own copy and leaves the user's file be.
        const QDateTime first = QFileInfo(target).lastModified();
        QTest::mouseClick(child<QPushButton>(s, QStringLiteral("cmdstampa")), Qt::LeftButton);
        QVERIFY(QFileInfo(target).lastModified() >= first);
        QCOMPARE(QDir(app.folder.path()).entryList(QDir::Files).size(), 2);
        QVERIFY(own.open(QIODevice::ReadOnly));
        QCOMPARE(own.readAll(), QByteArray("mio"));
        // The pages were loaded for it, not shown.
        QWidget *manual = app.program.loaded(QStringLiteral("manuale"));
        QVERIFY(manual && !manual->isVisible());
        ProgramFolder::setPath(QStringLiteral(VICANIA_RESOURCES));
    }

    void tipsHideAndReopenOnTheSameTip()
    {
        App app;
        auto *tip = shown<frmTip>(app, QStringLiteral("frmTip"));
        QCOMPARE(tip->windowTitle(), QStringLiteral("Suggerimento del giorno"));
        const QString first = tip->lblTipText()->text();
        QVERIFY(!first.isEmpty());
        QTest::mouseClick(child<QPushButton>(tip, QStringLiteral("cmdNextTip")), Qt::LeftButton);
        const QString second = tip->lblTipText()->text();
        QVERIFY(second != first);
        QTest::mouseClick(child<QPushButton>(tip, QStringLiteral("cmdOK")), Qt::LeftButton);
        QVERIFY(!tip->isVisible());
        QCOMPARE(shown<frmTip>(app, QStringLiteral("frmTip")), tip);
        QCOMPARE(tip->lblTipText()->text(), second);
        QTest::mouseClick(child<QPushButton>(tip, QStringLiteral("cmdprecedente")), Qt::LeftButton);
        QCOMPARE(tip->lblTipText()->text(), first);
    }

    void aTipIsShownAsWrittenNeverAsMarkup()
    {
        QTemporaryDir folder;
        QFile file(folder.filePath(TipModel::kFileName));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<b>grassetto</b> & <i>corsivo</i>\r\n");
        file.close();
        ProgramFolder::setPath(folder.path());
        App app;
        auto *tip = shown<frmTip>(app, QStringLiteral("frmTip"));
        QCOMPARE(tip->lblTipText()->text(), QStringLiteral("<b>grassetto</b> & <i>corsivo</i>"));
        QCOMPARE(tip->lblTipText()->textFormat(), Qt::PlainText);
    }

    void theAboutAndSupportWindows()
    {
        App app;
        auto *about = shown<informaz>(app, QStringLiteral("informaz"));
        QCOMPARE(about->windowTitle(), QStringLiteral("Informazioni su Vicania"));
        QCOMPARE(child<QLabel>(about, QStringLiteral("Label6"))->text(),
                 QStringLiteral("edizione professionale - versione 1.03.05   2018- 2019"));
        QVERIFY(!child<QLabel>(about, QStringLiteral("Label4"))->text().isEmpty());
        QVERIFY(child<QLabel>(about, QStringLiteral("label7"))->text().contains(QStringLiteral("Internet")));
        QTest::mouseClick(child<QPushButton>(about, QStringLiteral("cmdOK")), Qt::LeftButton);
        QVERIFY(!about->isVisible() && app.program.loaded(QStringLiteral("informaz")));
        auto *support = shown<supportoclienti>(app, QStringLiteral("supportoclienti"));
        QCOMPARE(support->windowTitle(), QStringLiteral("Servizi di supporto ai clienti"));
        QVERIFY(child<QLabel>(support, QStringLiteral("Label9"))->text().contains(u'@'));
        QVERIFY(child<QLabel>(support, QStringLiteral("Label4"))->text().size() > 300);
        // Every clipped label is named, not only the first.
        QStringList clipped;
        for (QWidget *w : {static_cast<QWidget *>(about), static_cast<QWidget *>(support)}) {
            for (QLabel *l : w->findChildren<QLabel *>()) {
                if (l->wordWrap() ? l->heightForWidth(l->width()) > l->height()
                                  : l->fontMetrics().horizontalAdvance(l->text()) > l->width())
                    clipped << w->objectName() + u'/' + l->objectName();
            }
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(", "))));
    }

    // The tip, about and support windows open over the window they were
    // asked from, and come back where the user left them.
    void theSmallWindowsOpenOverTheirOpenerAndKeepAMovedPlace_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("window");
        QTest::newRow("suggerimenti") << QStringLiteral("suggerimenti") << QStringLiteral("frmTip");
        QTest::newRow("supporto") << QStringLiteral("supporto") << QStringLiteral("supportoclienti");
        QTest::newRow("informazioni") << QStringLiteral("informazioni") << QStringLiteral("informaz");
    }

    void theSmallWindowsOpenOverTheirOpenerAndKeepAMovedPlace()
    {
        QFETCH(QString, action);
        QFETCH(QString, window);
        App app;
        stimaabitanti *w = app.program.projection();
        w->show();
        w->move(20, 30);
        w->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), w);
        child<QAction>(w, action)->trigger();
        QWidget *small = app.program.loaded(window);
        QVERIFY(small && small->isVisible());
        const QPoint offset = small->frameGeometry().center() - w->frameGeometry().center();
        // Placed before its first showing, when its frame is not known yet.
        QVERIFY2(offset.manhattanLength() <= 4, qPrintable(window));
        small->move(37, 41);
        small->hide();
        QVERIFY(!small->isVisible());
        w->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), w);
        child<QAction>(w, action)->trigger();
        QCOMPARE(app.program.loaded(window), small);
        QCOMPARE(small->pos(), QPoint(37, 41));
    }

    // Escape does what each window's close button does: hide or unload.
    void escapeClosesEveryHelpWindow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("staysLoaded");
        for (const char *hidden : {"sommario", "frmTip", "informaz", "supportoclienti", "guidadati"})
            QTest::newRow(hidden) << QString::fromLatin1(hidden) << true;
        QTest::newRow("manuale") << QStringLiteral("manuale") << false;
        QTest::newRow("guidacalcolo") << QStringLiteral("guidacalcolo") << false;
    }

    void escapeClosesEveryHelpWindow()
    {
        QFETCH(QString, window);
        QFETCH(bool, staysLoaded);
        App app;
        QPointer<QWidget> w = shown<QWidget>(app, window);
        w->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), w.data());
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(w.isNull() || !w->isVisible());
        QCOMPARE(app.program.loaded(window) != nullptr, staysLoaded);
    }

    void theConfirmedExitUnloadsTheHelpWindows()
    {
        App app;
        for (const QString &name : Program::exitOrder().mid(2))
            showWindow(app.program, name);
        app.messenger.answers.push_back(Message::Answer::Yes);
        app.program.confirmExit();
        QStringList left;
        for (const QString &name : Program::exitOrder())
            if (app.program.loaded(name))
                left << name;
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QStringLiteral(", "))));
        QVERIFY(app.program.splash()->isVisible());
    }
};

QTEST_MAIN(HelpGuiTest)
#include "test_help_gui.moc"
