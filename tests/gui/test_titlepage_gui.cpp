// The title-page window and the study from both main windows.
#include "GuiSupport.h"
#include "app/frmSplash.h"
#include "core/AppGlobals.h"
#include "core/StudioSettings.h"
#include "projection/stimaabitanti.h"
#include "titlepage/frontespizio.h"
#include "widgets/OfficeDialog.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using F = ProjectionModel::Field;
using TF = TitlePageModel::Field;

class TitlePageGuiTest : public QObject {
    Q_OBJECT

private:
    static stimaabitanti *computed(App &app)
    {
        stimaabitanti *w = app.program.projection();
        fillFields(w->model(), workedExample(QStringLiteral("2020")));
        w->model().calcola_Click();
        return w;
    }
    // The title page of a computed study, with a research and attachments typed.
    static frontespizio *typedTitlePage(App &app)
    {
        computed(app);
        app.program.showWindow(WindowId::frontespizio);
        frontespizio *page = app.program.titlePageWindow();
        typeInto(page, QStringLiteral("ricerca"), QStringLiteral("Stima al 2020"));
        typeInto(page, QStringLiteral("allegati"), QStringLiteral("grafici"));
        return page;
    }

private slots:
    void initTestCase()
    {
        static QTemporaryDir dir;
        StudioSettings::useFile(dir.filePath(QStringLiteral("vicania.ini")));
    }

    void theFrontespizioButtonFollowsTheResult()
    {
        App app;
        stimaabitanti *w = app.program.projection();
        auto *button = child<QPushButton>(w, QStringLiteral("frontespiz"));
        QVERIFY(!button->isEnabled());
        computed(app);
        QVERIFY(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        frontespizio *page = app.program.titlePageWindow();
        QVERIFY(page->isVisible());
        QCOMPARE(page->windowTitle(), QStringLiteral("Vicania: frontespizio per la relazione"));
        QCOMPARE(child<QLabel>(page, QStringLiteral("passo"))->text(),
                 QStringLiteral("Digitare i dati per ogni campo o prelevare un file dall'archivio."));
        w->model().setText(F::anno2, QStringLiteral("2021"));
        QVERIFY(!button->isEnabled());
    }

    void theCheckWithoutACalculationBringsTheProjectionForward()
    {
        App app;
        app.program.showWindow(WindowId::frontespizio);
        frontespizio *page = app.program.titlePageWindow();
        // Reading the result loads the projection window hidden, then shows it.
        trigger(page, QStringLiteral("Toolbar1_14"));
        QCOMPARE(app.messenger.shown.size(), 1);
        QCOMPARE(app.messenger.shown[0].text, QStringLiteral("Non è stato fatto il calcolo!"));
        QVERIFY(app.program.projection()->isVisible());
        computed(app);
        trigger(page, QStringLiteral("controllodat"));
        QCOMPARE(app.messenger.shown.last().text, QStringLiteral("Non è stato immesso alcun dato nella finestra."));
        typeInto(page, QStringLiteral("ricerca"), QStringLiteral("Stima"));
        trigger(page, QStringLiteral("controllodat"));
        QCOMPARE(app.messenger.shown.last().text, QStringLiteral("Inserire dati per ogni campo."));
        trigger(page, QStringLiteral("Toolbar1_15"));
        QCOMPARE(child<QLineEdit>(page, QStringLiteral("ricerca"))->text(), QString());
        QCOMPARE(child<QLineEdit>(page, QStringLiteral("data"))->text(), QString());
    }

    void everySaveCommandAsksForAName_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("menu salva") << QStringLiteral("salva");
        QTest::newRow("menu salvanome") << QStringLiteral("salvanome");
        QTest::newRow("toolbar 2") << QStringLiteral("Toolbar1_2");
    }

    void everySaveCommandAsksForAName()
    {
        QFETCH(QString, command);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Vicania-dati-prova"));
        App app;
        frontespizio *page = typedTitlePage(app);
        app.dialogs.choices.push_back(path);
        trigger(page, command);
        QVERIFY(!app.dialogs.requests.isEmpty());
        QCOMPARE(app.dialogs.requests.last().title, QStringLiteral("Salva file con nome"));
        QVERIFY(QFile::exists(path));
    }

    // Open from the menu and from the toolbar: the same result.
    void everyOpenCommandFillsTheTitlePage_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("menu apri") << QStringLiteral("apri");
        QTest::newRow("toolbar 1") << QStringLiteral("Toolbar1_1");
    }

    void everyOpenCommandFillsTheTitlePage()
    {
        QFETCH(QString, command);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Vicania-dati-prova"));
        App app;
        frontespizio *page = typedTitlePage(app);
        app.dialogs.choices.push_back(path);
        trigger(page, QStringLiteral("salva"));
        trigger(page, QStringLiteral("Toolbar1_15"));
        page->model().cancella_click();
        app.dialogs.choices.push_back(path);
        trigger(page, command);
        QCOMPARE(app.dialogs.requests.last().title, QStringLiteral("Apri file"));
        QCOMPARE(child<QLineEdit>(page, QStringLiteral("ricerca"))->text(), QStringLiteral("Stima al 2020"));
        QCOMPARE(child<QLineEdit>(page, QStringLiteral("allegati"))->text(), QStringLiteral("grafici"));
        QCOMPARE(child<QLineEdit>(page, QStringLiteral("data"))->text(), TitlePageData::longDate(QDate::currentDate()));
    }

    void theDeleteCommandRemovesTheStudy()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Vicania-dati-prova"));
        App app;
        frontespizio *page = typedTitlePage(app);
        app.dialogs.choices.push_back(path);
        trigger(page, QStringLiteral("salva"));
        QVERIFY(QFile::exists(path));
        QCOMPARE(child<QLabel>(page, QStringLiteral("passo"))->text(),
                 QStringLiteral("Lo studio è stato salvato nel file \"%1\".").arg(path));
        app.dialogs.choices.push_back(path);
        app.messenger.answers.push_back(Message::Answer::Yes);
        trigger(page, QStringLiteral("elimina"));
        QVERIFY(!QFile::exists(path));
    }

    void aStudyFromAnotherOfficeShowsThatOffice()
    {
        App app;
        appGlobals().StudioName = QStringLiteral("Il mio studio");
        app.dialogs.choices.push_back(QStringLiteral(VICANIA_EXAMPLE));
        stimaabitanti *w = app.program.projection();
        w->model().files().aprifile_Click();
        frontespizio *page = app.program.titlePageWindow();
        QVERIFY(!page->isVisible()); // loaded hidden by the file
        QCOMPARE(child<QLabel>(page, QStringLiteral("labelstudio"))->text(), QStringLiteral("Studio tecnico Esempio"));
        QCOMPARE(appGlobals().StudioName, QStringLiteral("Il mio studio"));
        appGlobals().StudioName.clear();
    }

    void commandsHelpAndTabOrder()
    {
        App app;
        app.program.showWindow(WindowId::frontespizio);
        frontespizio *page = app.program.titlePageWindow();
        QTest::mouseClick(child<QPushButton>(page, QStringLiteral("aiuto")), Qt::LeftButton);
        QCOMPARE(app.messenger.shown.last().text.split(u'\r').size(), 5);
        QCOMPARE(app.messenger.shown.last().text.split(u'\r').last(),
                 QStringLiteral("- effettuare il controllo dei dati immessi cliccando sul tasto ABC."));
        trigger(page, QStringLiteral("Toolbar1_7"));
        QCOMPARE(app.messenger.shown.last().text,
                 QStringLiteral("E' questa la finestra per il Frontespizio della relazione!"));
        QTest::mouseClick(child<QPushButton>(page, QStringLiteral("Command1")), Qt::LeftButton);
        QVERIFY(app.program.projection()->isVisible());
        // aiuto, five fields, stampa, cmdesci, data, allegati, Command1
        QStringList order;
        QWidget *w = child<QWidget>(page, QStringLiteral("aiuto"));
        for (int i = 0; i < 11; ++i) {
            order << w->objectName();
            w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus || !w->isEnabled() || w->parentWidget() != page->client())
                w = w->nextInFocusChain();
        }
        QCOMPARE(order, QStringList({"aiuto", "ricerca", "localita", "tipostudio", "committente", "luogo", "stampa",
                                     "cmdesci", "data", "allegati", "Command1"}));
    }

    // "&Calcolo" and "Us&cita" share C: each press only moves the focus,
    // Enter presses; a letter of one button still acts at once.
    void aSharedAccessKeyMovesTheFocusAndNeverLeaves()
    {
        App app;
        app.program.showWindow(WindowId::frontespizio);
        frontespizio *page = app.program.titlePageWindow();
        page->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), page);
        QTest::keyClick(page, Qt::Key_A, Qt::AltModifier);
        QCOMPARE(app.messenger.shown.size(), 1);
        QVERIFY(app.messenger.shown[0].text.startsWith(QStringLiteral("- Digitare o correggere i dati")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(page, QStringLiteral("cmdesci")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(page, QStringLiteral("Command1")));
        QCOMPARE(app.messenger.shown.size(), 1); // never the exit question
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(app.program.projection()->isVisible());
        QCOMPARE(app.messenger.shown.size(), 1);
    }

    // The data check leads to the first field still to fill.
    void theDataCheckFocusesTheFieldToFill()
    {
        App app;
        frontespizio *page = typedTitlePage(app);
        trigger(page, QStringLiteral("controllodat"));
        QCOMPARE(app.messenger.shown.last().text, QStringLiteral("Inserire dati per ogni campo."));
        QCOMPARE(page->focusWidget(), child<QWidget>(page, QStringLiteral("localita")));
    }

    void theOfficeDialogKeepsTheOfficeAndTheTitlePageShowsIt()
    {
        App app;
        app.program.showWindow(WindowId::frontespizio);
        frontespizio *page = app.program.titlePageWindow();
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<OfficeDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->nameField()->setText(QStringLiteral("Studio Neri"));
            dialog->addressField()->setText(QStringLiteral("Piazza Duomo 2"));
            dialog->accept();
        });
        trigger(page, QStringLiteral("studio"));
        QCOMPARE(appGlobals().StudioName, QStringLiteral("Studio Neri"));
        QCOMPARE(child<QLabel>(page, QStringLiteral("labelindirizzo"))->text(), QStringLiteral("Piazza Duomo 2"));
        appGlobals().StudioName.clear();
        StudioSettings::load();
        QCOMPARE(appGlobals().StudioName, QStringLiteral("Studio Neri"));
        StudioSettings::save(QString(), QString());
    }

    void theReportAndTheDataOnlyDocumentFromTheTitlePage()
    {
        App app;
        appGlobals().StudioName = QStringLiteral("Studio Rossi"); // signed without asking
        app.program.showWindow(WindowId::frontespizio);
        frontespizio *page = app.program.titlePageWindow();
        // Without a calculation the report is refused and the projection comes forward.
        QTest::mouseClick(child<QPushButton>(page, QStringLiteral("stampa")), Qt::LeftButton);
        QCOMPARE(app.messenger.shown.last().text, QStringLiteral("La simulazione non è stata effettuata."));
        QVERIFY(app.program.projection()->isVisible());
        QVERIFY(QDir(app.folder.path()).entryList(QDir::Files).isEmpty());
        computed(app);
        trigger(page, QStringLiteral("Toolbar1_4"));
        trigger(page, QStringLiteral("solodati"));
        const QStringList files = QDir(app.folder.path()).entryList(QDir::Files, QDir::Name);
        QCOMPARE(files.size(), 2);
        QVERIFY(files[0].startsWith(QStringLiteral("Vicania-relazione-")) &&
                files[0].endsWith(QStringLiteral(".docx")));
        QVERIFY(files[1].startsWith(QStringLiteral("Vicania-solo-dati-")));
        QCOMPARE(child<QLabel>(page, QStringLiteral("passo"))->text(), QStringLiteral("Sto caricando WORD."));
        appGlobals().StudioName.clear();
    }

    void theConfirmedExitUnloadsTheTitlePage()
    {
        App app;
        app.program.showWindow(WindowId::frontespizio);
        app.program.titlePageWindow()->model().setText(TF::ricerca, QStringLiteral("da perdere"));
        app.messenger.answers.push_back(Message::Answer::Yes);
        trigger(app.program.titlePageWindow(), QStringLiteral("Toolbar1_16"));
        QVERIFY(!app.program.loaded(QStringLiteral("frontespizio")));
        QVERIFY(app.program.splash()->isVisible());
        QCOMPARE(app.program.titlePage().read().ricerca, QString());
    }
};

QTEST_MAIN(TitlePageGuiTest)
#include "test_titlepage_gui.moc"
