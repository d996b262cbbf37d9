// A study through a working day: windows closed and opened again, studies
// saved, found, deleted and opened one after another, reports signed.
#include "GuiSupport.h"
#include "app/frmSplash.h"
#include "core/AppGlobals.h"
#include "core/StudioSettings.h"
#include "projection/ResultsGrid.h"
#include "projection/stimaabitanti.h"
#include "storage/StudyFile.h"
#include "titlepage/frontespizio.h"
#include "widgets/OfficeDialog.h"
#include "widgets/QtMessenger.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using F = ProjectionModel::Field;
using TF = TitlePageModel::Field;

namespace {

const QStringList kInputs = workedExample(QStringLiteral("2020"));

stimaabitanti *computedStudy(Program &program)
{
    program.splash()->show();
    QTest::mouseClick(program.splash(), Qt::LeftButton);
    stimaabitanti *w = program.projection();
    for (int i = 0; i < kInputs.size(); ++i)
        typeInto(w, ProjectionInputs::name(static_cast<F>(i)), kInputs[i]);
    w->model().calcola_Click();
    return w;
}

// Acts on the file dialog the next command opens; the dialog must be closed by it.
template <typename Act> void onFileDialog(Act act)
{
    QTimer::singleShot(0, [act] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            if (QWidget *other = QApplication::activeModalWidget())
                other->close();
            QFAIL("no file dialog");
        }
        act(dialog);
    });
}

// The names the dialog's list shows, once its folder has been read.
QStringList listed(QFileDialog *dialog, const QString &awaited)
{
    auto *view = dialog->findChild<QListView *>(QStringLiteral("listView"));
    QStringList names;
    for (QDeadlineTimer deadline(5000); !deadline.hasExpired() && !names.contains(awaited); QTest::qWait(20)) {
        names.clear();
        for (int r = 0; r < view->model()->rowCount(view->rootIndex()); ++r)
            names << view->model()->index(r, 0, view->rootIndex()).data().toString();
    }
    return names;
}

// The program with the system's file dialogs, and a home of its own.
struct HomeApp {
    QTemporaryDir home;
    QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    QString oldFolder = QDir::currentPath();
    // Started from the home folder, as a desktop starts it.
    bool moved = qputenv("HOME", home.path().toLocal8Bit()) &&
                 qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral(".config")).toLocal8Bit()) &&
                 QDir::setCurrent(home.path());
    ScriptedMessenger messenger;
    QtFileDialogs dialogs;
    MusicRecorder music;
    DesktopDocuments documents{messenger};
    Program program{messenger, dialogs, music, documents};
    HomeApp()
    {
        Modulo::InitDialogTitles();
        program.setQuitWhenEmpty(false);
        documents.setOpening(false);
    }
    ~HomeApp()
    {
        qputenv("HOME", oldHome);
        qputenv("XDG_CONFIG_HOME", oldConfig);
        QDir::setCurrent(oldFolder);
    }
};

} // namespace

class StudyGuiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        static QTemporaryDir dir;
        StudioSettings::useFile(dir.filePath(QStringLiteral("vicania.ini")));
    }

    void closingAMainWindowHidesItAndKeepsWhatWasTyped()
    {
        App app;
        stimaabitanti *w = computedStudy(app.program);
        w->model().fields().setVScroll2(30);
        w->model().calcola_Click();
        trigger(w, QStringLiteral("Toolbar1_7"));
        frontespizio *page = app.program.titlePageWindow();
        typeInto(page, QStringLiteral("ricerca"), QStringLiteral("Stima al 2020"));
        const QPointer<QWidget> projection = w, titlePage = page;
        page->close();
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(projection && titlePage);
        QVERIFY(!w->isVisible() && !page->isVisible());
        QVERIFY(app.program.splash()->isVisible());
        QCOMPARE(app.music.calls.last(), QStringLiteral("pause"));
        // Opened again from the splash, and the title page from the projection window.
        QTest::mouseClick(app.program.splash(), Qt::LeftButton);
        QVERIFY(w->isVisible());
        for (int i = 0; i < kInputs.size(); ++i)
            QCOMPARE(child<QLineEdit>(w, ProjectionInputs::name(static_cast<F>(i)))->text(), kInputs[i]);
        QCOMPARE(child<QLabel>(w, QStringLiteral("pdf"))->text(), QStringLiteral("30"));
        QVERIFY(!child<QLabel>(w, QStringLiteral("popolazione"))->text().isEmpty());
        QTest::mouseClick(child<QPushButton>(w, QStringLiteral("frontespiz")), Qt::LeftButton);
        QVERIFY(page->isVisible());
        QCOMPARE(child<QLineEdit>(page, QStringLiteral("ricerca"))->text(), QStringLiteral("Stima al 2020"));
        // The confirmed exit still empties both.
        app.messenger.answers.push_back(Message::Answer::Yes);
        trigger(w, QStringLiteral("Toolbar1_16"));
        QTRY_VERIFY(!projection && !titlePage);
    }

    void aBareNameIsSavedWithThePrefixWhereTheOpenDialogLooks()
    {
        HomeApp app;
        stimaabitanti *w = computedStudy(app.program);
        TitlePageData title = app.program.titlePage().read();
        title.ricerca = QStringLiteral("Montefalco al 2020");
        app.program.titlePage().write(title);
        QString listing; // the folder the list shows, made just now
        onFileDialog([&listing](QFileDialog *d) {
            QTest::qWait(500); // the folders read behind the dialog
            listing = child<QListView>(d, QStringLiteral("listView"))
                          ->rootIndex()
                          .data(QFileSystemModel::FilePathRole)
                          .toString();
            child<QLineEdit>(d, QStringLiteral("fileNameEdit"))->setText(QStringLiteral("Montefalco"));
            QTest::keyClick(child<QLineEdit>(d, QStringLiteral("fileNameEdit")), Qt::Key_Return);
        });
        trigger(w, QStringLiteral("salvanome"));
        const QString folder = QDir(app.home.path()).filePath(QStringLiteral("Documents/Vicania"));
        const QString saved = QDir(folder).filePath(QStringLiteral("Vicania-dati-Montefalco"));
        QCOMPARE(listing, folder);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"Vicania-dati-Montefalco"});
        QCOMPARE(child<QLabel>(w, QStringLiteral("passo"))->text(),
                 QStringLiteral("Lo studio è stato salvato nel file \"%1\".").arg(saved));

        QString opensIn;
        QStringList filters, names;
        onFileDialog([&](QFileDialog *d) {
            opensIn = d->directory().absolutePath();
            auto *types = child<QComboBox>(d, QStringLiteral("fileTypeCombo"));
            for (int i = 0; i < types->count(); ++i)
                filters << types->itemText(i);
            names = listed(d, QStringLiteral("Vicania-dati-Montefalco"));
            d->reject();
        });
        trigger(w, QStringLiteral("aprifile"));
        QCOMPARE(opensIn, folder);
        QCOMPARE(filters, QStringList({"File Vicania-dati- (Vicania-dati-*)", "Tutti i file (*)"}));
        QVERIFY2(names.contains(QStringLiteral("Vicania-dati-Montefalco")), qPrintable(names.join(u' ')));

        // Deleting: the button says so, and No keeps the file.
        QString button;
        onFileDialog([&](QFileDialog *d) {
            d->selectFile(saved);
            QPushButton *accept =
                child<QDialogButtonBox>(d, QStringLiteral("buttonBox"))->button(QDialogButtonBox::Open);
            button = accept->text();
            accept->click();
        });
        trigger(w, QStringLiteral("eliminare"));
        QCOMPARE(button, QStringLiteral("Elimina"));
        QCOMPARE(app.messenger.shown.last().text,
                 QStringLiteral("Vuoi eliminare il file \"%1\"? Il file eliminato non si può recuperare.").arg(saved));
        QVERIFY(QFile::exists(saved));
    }

    void openingAStudyEmptiesTheGridOfTheOneBefore()
    {
        App app;
        stimaabitanti *w = computedStudy(app.program);
        auto *grid = w->grid()->model();
        QVERIFY(!grid->index(0, 1).data().toString().isEmpty());
        StudyRecord other;
        other.inputs = {"1990", "500", "1,2", "22", "15", "45", "4", "79", "0", "0", "2000"};
        other.titlePage.ricerca = QStringLiteral("Altro borgo");
        const QString path = app.folder.filePath(QStringLiteral("Vicania-dati-altro"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(*StudyFile::serialize(other)) > 0);
        file.close();
        app.dialogs.choices.push_back(path);
        trigger(w, QStringLiteral("aprifile"));
        QCOMPARE(child<QLineEdit>(w, QStringLiteral("anno1"))->text(), QStringLiteral("1990"));
        for (int r = 0; r < grid->rowCount(); ++r) {
            for (int c = 0; c < grid->columnCount(); ++c)
                QVERIFY2(grid->index(r, c).data().toString().isEmpty(),
                         qPrintable(QStringLiteral("%1,%2").arg(r).arg(c)));
        }
        QCOMPARE(child<QLabel>(w, QStringLiteral("popolazione"))->text(), QString());
    }

    void aReportWithoutAnyOfficeAsksForItAndAnnullaWritesNothing()
    {
        App app;
        computedStudy(app.program);
        app.program.showWindow(WindowId::frontespizio);
        frontespizio *page = app.program.titlePageWindow();
        QCOMPARE(child<QLabel>(page, QStringLiteral("labelstudio"))->text(), QString());
        bool okAtFirst = true;
        QTimer::singleShot(0, [&okAtFirst] {
            auto *dialog = qobject_cast<OfficeDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            okAtFirst = dialog->buttons()->button(QDialogButtonBox::Ok)->isEnabled();
            dialog->reject();
        });
        QTest::mouseClick(child<QPushButton>(page, QStringLiteral("stampa")), Qt::LeftButton);
        QVERIFY(!okAtFirst);
        QVERIFY(QDir(app.folder.path()).entryList(QDir::Files).isEmpty());
        // Given one, the document is written and the title page shows it.
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<OfficeDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->nameField()->setText(QStringLiteral("Studio Neri"));
            dialog->accept();
        });
        trigger(page, QStringLiteral("solodati"));
        QCOMPARE(QDir(app.folder.path()).entryList(QDir::Files).size(), 1);
        QCOMPARE(child<QLabel>(page, QStringLiteral("labelstudio"))->text(), QStringLiteral("Studio Neri"));
        StudioSettings::save(QString(), QString());
    }
};

QTEST_MAIN(StudyGuiTest)
#include "test_study_gui.moc"
