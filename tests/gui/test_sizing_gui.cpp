// The window "Dimensionamento" as a user meets it: its command enabled only
// with a result, the figures shown, the results and formulas, and a window
// that follows the study.
#include "GuiSupport.h"
#include "projection/stimaabitanti.h"
#include "sizing/dimensionamento.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableWidget>

using F = ProjectionModel::Field;

class SizingGuiTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowOpensWithAResultAndFollowsTheStudy()
    {
        App app;
        stimaabitanti *w = app.program.projection();
        QAction *item = action(w, QStringLiteral("dimensionamento"));
        QCOMPARE(item->text(), QStringLiteral("&Dimensionamento..."));
        QVERIFY(!item->isEnabled());
        fillFields(w->model(), workedExample(QStringLiteral("2030")));
        w->model().calcola_Click();
        QVERIFY(item->isEnabled());
        item->trigger();
        QPointer<dimensionamento> s = qobject_cast<dimensionamento *>(app.program.loaded(WindowId::dimensionamento));
        QVERIFY(s && s->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(s));
        QCOMPARE(s->windowTitle(), QStringLiteral("Vicania: Dimensionamento"));
        QCOMPARE(child<QLineEdit>(s, QStringLiteral("std_verde"))->text(), QStringLiteral("9,00"));
        auto *famiglia = child<QLineEdit>(s, QStringLiteral("famiglia"));
        QCOMPARE(famiglia->placeholderText(), QStringLiteral("es. 2,21"));
        QCOMPARE(famiglia->accessibleName(), QStringLiteral("Componenti per famiglia nell'anno di partenza"));
        QCOMPARE(child<QComboBox>(s, QStringLiteral("figureriferimento"))->currentText(),
                 QStringLiteral("Nazionali (D.M. 1444/1968, art. 3)"));
        auto *results = child<QTableWidget>(s, QStringLiteral("risultati"));
        QCOMPARE(results->rowCount(), 0);
        QCOMPARE(child<QLabel>(s, QStringLiteral("avviso"))->text(),
                 QStringLiteral("Manca il dato «Componenti per famiglia nell'anno di partenza»."));

        typeInto(s, QStringLiteral("famiglia"), QStringLiteral("2,5"));
        QTest::keyClick(famiglia, Qt::Key_Return);
        QCOMPARE(results->rowCount(), 18);
        QCOMPARE(results->horizontalHeaderItem(1)->text(), QStringLiteral("Valore"));
        QCOMPARE(results->item(4, 0)->text(), QStringLiteral("Famiglie nell'anno di partenza"));
        QCOMPARE(results->item(4, 1)->text(), QStringLiteral("4.000"));
        results->setCurrentCell(4, 0);
        QCOMPARE(child<QPlainTextEdit>(s, QStringLiteral("formula"))->toPlainText(),
                 QStringLiteral("10.000 abitanti ÷ 2,5 componenti = 4.000"));

        w->model().setText(F::tassofert, QStringLiteral("1,6"));
        QCOMPARE(results->rowCount(), 0);
        QVERIFY(!item->isEnabled());
        QCOMPARE(child<QLabel>(s, QStringLiteral("avviso"))->text(),
                 QStringLiteral("Il dimensionamento ha bisogno del risultato del calcolo: calcola gli abitanti nella "
                                "finestra di calcolo."));
        QCOMPARE(famiglia->text(), QStringLiteral("2,5"));
        QTest::keyClick(s, Qt::Key_Escape);
        QVERIFY(s.isNull() || !s->isVisible());
    }
};

QTEST_MAIN(SizingGuiTest)
#include "test_sizing_gui.moc"
