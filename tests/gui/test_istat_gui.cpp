// File > "Importa dati ISTAT...": the dialog over the projection window, with
// the file dialogs scripted and small ISTAT tables written by the test.
#include "GuiSupport.h"
#include "projection/IstatImportDialog.h"
#include "projection/stimaabitanti.h"
#include "support/IstatFiles.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

using F = ProjectionModel::Field;
using TF = TitlePageModel::Field;

namespace {

// Acts on the import dialog the command opens, then closes it if still open.
template <typename Act> void onImportDialog(Act act)
{
    QTimer::singleShot(0, [act] {
        auto *dialog = qobject_cast<IstatImportDialog *>(QApplication::activeModalWidget());
        if (dialog)
            act(dialog);
        else
            QFAIL("no import dialog");
        if (QWidget *open = QApplication::activeModalWidget())
            open->close();
    });
}

void click(QWidget *dialog, const char *button)
{
    QTest::mouseClick(child<QPushButton>(dialog, QString::fromLatin1(button)), Qt::LeftButton);
}

// The files added, Lucca searched and chosen with Enter, which applies
// nothing yet.
void chooseLucca(QWidget *dialog)
{
    click(dialog, "aggiungibilanci");
    auto *search = child<QLineEdit>(dialog, QStringLiteral("cercacomune"));
    search->setFocus();
    QTest::keyClicks(search, QStringLiteral("lucca"));
    QTest::keyClick(search, Qt::Key_Return);
    QVERIFY2(dialog->isVisible(), "Enter closed the dialog");
}

QStringList fieldTexts(stimaabitanti *w)
{
    QStringList out;
    for (const F f : {F::anno1, F::abitnoti, F::tassofert, F::iniziofert, F::finefert, F::mortinfanti, F::aspvita,
                      F::immigr, F::emigr, F::anno2})
        out << child<QLineEdit>(w, ProjectionInputs::name(f))->text();
    return out << w->model().text(F::pdf);
}

// The controls Tab reaches, in order, from the list of balances.
QStringList tabOrder(QWidget *dialog)
{
    QStringList order;
    QWidget *first = child<QWidget>(dialog, QStringLiteral("bilanci"));
    QWidget *w = first;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled())
            order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != first && order.size() < 40);
    return order;
}

bool hasSource(stimaabitanti *w)
{
    const StudyRecord study = w->model().files().study();
    return std::any_of(study.lines.begin(), study.lines.end(),
                       [](const QStringList &l) { return !l.isEmpty() && l.front() == QLatin1String("fonte"); });
}

} // namespace

class IstatGuiTest : public QObject {
    Q_OBJECT

private slots:
    void usaQuestiDatiFillsTheWindowTheTitlePageAndTheSource()
    {
        IstatFiles files;
        App app;
        stimaabitanti *w = app.program.projection();
        w->show();
        app.dialogs.fileLists.push_back(QStringList{files.balance2023(), files.balance2022()});
        QStringList listed, headers, unnamed, order;
        QString ages, notes;
        int rows = 0;
        bool usableBefore = true;
        onImportDialog([&](IstatImportDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Importa dati ISTAT"));
            usableBefore = child<QPushButton>(d, QStringLiteral("usa"))->isEnabled();
            chooseLucca(d);
            auto *balances = child<QListWidget>(d, QStringLiteral("bilanci"));
            for (int i = 0; i < balances->count(); ++i)
                listed << balances->item(i)->text();
            auto *table = child<QTableWidget>(d, QStringLiteral("anteprima"));
            rows = table->rowCount();
            for (int c = 0; c < table->columnCount(); ++c)
                headers << table->horizontalHeaderItem(c)->text();
            if (rows > 6)
                ages = table->item(6, 0)->text();
            notes = child<QLabel>(d, QStringLiteral("note"))->text();
            for (QWidget *c : d->findChildren<QWidget *>())
                if (c->focusPolicy() & Qt::TabFocus && c->accessibleName().isEmpty() &&
                    c->objectName() != "qt_scrollarea_viewport")
                    unnamed << c->metaObject()->className() + QStringLiteral(" ") + c->objectName();
            order = tabOrder(d);
            click(d, "usa");
        });
        trigger(w, QStringLiteral("importaistat"));
        QVERIFY(!usableBefore);
        QCOMPARE(listed, QStringList({"2022 — P2_2022_it_046_Lucca.csv", "2023 — P2_2023_it_046_Lucca.csv"}));
        QCOMPARE(headers, QStringList({"Dato", "Valore", "Come è ricavato", "Fonte"}));
        QCOMPARE(rows, 10);
        QCOMPARE(ages, QStringLiteral("Mortalità infantile su 1000 (ipotesi)"));
        QVERIFY2(notes.startsWith(QStringLiteral("Dati provvisori (segnati dall'ISTAT con «p»): 2023.\nVerifica sul "
                                                 "passato: partendo da 10.000 abitanti al 1° gennaio 2022")),
                 qPrintable(notes));
        QCOMPARE(unnamed, QStringList());
        QCOMPARE(order, QStringList({"bilanci", "aggiungibilanci", "toglibilancio", "posas", "sceglieposas",
                                     "cercacomune", "comuni", "mortalita", "iniziofertile", "finefertile", "anteprima",
                                     "note", "usa", "annulla"}));
        QCOMPARE(fieldTexts(w),
                 QStringList({"2024", "9900", "1,05", "15", "50", "3", "79,9", "2,01", "2,01", "", "25"}));
        QCOMPARE(app.program.titlePage().text(TF::localita), QStringLiteral("Lucca"));
        QVERIFY(hasSource(w));
    }

    void aRefusedFileIsNotAddedAndAnnullaChangesNothing_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Annulla") << false;
        QTest::newRow("Esc") << true;
    }

    void aRefusedFileIsNotAddedAndAnnullaChangesNothing()
    {
        QFETCH(bool, escape);
        IstatFiles files;
        App app;
        stimaabitanti *w = app.program.projection();
        w->show();
        typeInto(w, QStringLiteral("anno1"), QStringLiteral("1990"));
        app.program.titlePage().setText(TF::localita, QStringLiteral("Borgo"));
        const QStringList before = fieldTexts(w);
        app.dialogs.fileLists.push_back(QStringList{files.notABalance()});
        app.dialogs.fileLists.push_back(QStringList{files.balance2022(), files.balance2023()});
        QString refusal;
        int listedAfterRefusal = -1, rows = 0;
        onImportDialog([&](IstatImportDialog *d) {
            click(d, "aggiungibilanci");
            auto *message = child<QLabel>(d, QStringLiteral("messaggiofile"));
            refusal = message->isVisible() ? message->text() : QString();
            listedAfterRefusal = child<QListWidget>(d, QStringLiteral("bilanci"))->count();
            chooseLucca(d);
            rows = child<QTableWidget>(d, QStringLiteral("anteprima"))->rowCount();
            if (escape)
                QTest::keyClick(d, Qt::Key_Escape);
            else
                click(d, "annulla");
        });
        trigger(w, QStringLiteral("importaistat"));
        QCOMPARE(refusal, QStringLiteral("Il file «P2_2021_it_046_Lucca.csv» non è un bilancio demografico ISTAT dei "
                                         "comuni: manca la colonna «Nati vivi - Totale»."));
        QCOMPARE(listedAfterRefusal, 0);
        QCOMPARE(rows, 10);
        QCOMPARE(fieldTexts(w), before);
        QCOMPARE(app.program.titlePage().text(TF::localita), QStringLiteral("Borgo"));
        QVERIFY(!hasSource(w));
    }
};

QTEST_MAIN(IstatGuiTest)
#include "test_istat_gui.moc"
