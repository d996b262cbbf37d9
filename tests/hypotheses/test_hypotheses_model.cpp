// The window "Ipotesi a confronto" without widgets: the values it keeps in
// the study, its refusals, and results that never outlive the study they
// were computed from.
#include "hypotheses/HypothesesModel.h"
#include "support/Scripted.h"

#include <gtest/gtest.h>

namespace {

using F = ProjectionInput;
using K = Hypotheses::Kind;

struct Desk {
    Window w;
    HypothesesModel model{w.study, w.messenger};
    explicit Desk(const QString &target = QStringLiteral("2030")) { fillFields(w.m(), workedExample(target)); }
    QString line() const
    {
        const QStringList *l = w.model->files().line(QStringLiteral("ipotesi"));
        return l ? l->join(u',') : QStringLiteral("(none)");
    }
};

} // namespace

TEST(HypothesesModel, KeepsTheLineOnlyWhileAValueDiffersFromTheCentralOne)
{
    Desk d;
    EXPECT_EQ(d.model.value(K::Low, F::tassofert), "1,5");
    EXPECT_TRUE(d.model.setValue(K::Low, F::tassofert, QStringLiteral(" 1,2 ")));
    EXPECT_EQ(d.line(), "ipotesi,tassofert,1,2,1,5,aspvita,80,80,immigr,3,3,emigr,1,1");
    EXPECT_EQ(d.model.value(K::Low, F::tassofert), "1,2");
    EXPECT_EQ(d.model.value(K::Central, F::tassofert), "1,5");
    // The same number as the central one, written otherwise: nothing to keep.
    EXPECT_TRUE(d.model.setValue(K::Low, F::tassofert, QStringLiteral("1,50")));
    EXPECT_EQ(d.line(), "(none)");
    EXPECT_EQ(d.model.value(K::Low, F::tassofert), "1,5");
    EXPECT_FALSE(d.model.setValue(K::Central, F::tassofert, QStringLiteral("2")));
    EXPECT_EQ(d.w.m().text(F::tassofert), "1,5");
}

TEST(HypothesesModel, AValueThatIsNoNumberIsRefusedByNameAndNotKept)
{
    Desk d;
    EXPECT_FALSE(d.model.setValue(K::High, F::aspvita, QStringLiteral("ottanta")));
    EXPECT_EQ(d.w.messenger.texts(),
              QStringList{"Il dato \"Età mediana di morte\" dell'ipotesi alta non è un numero valido: digita solo "
                          "cifre, con la virgola per i decimali."});
    EXPECT_EQ(d.model.value(K::High, F::aspvita), "80");
    EXPECT_EQ(d.line(), "(none)");
}

TEST(HypothesesModel, ARefusedHypothesisShowsItsMessageAndNoResults)
{
    Desk d;
    ASSERT_TRUE(d.model.calcolaIpotesi());
    ASSERT_FALSE(d.model.chart().isEmpty());
    // Below the end of procreation: too few women in the high hypothesis.
    d.model.setValue(K::High, F::aspvita, QStringLiteral("40"));
    EXPECT_FALSE(d.model.calcolaIpotesi());
    EXPECT_EQ(d.w.messenger.texts().last(),
              "Il calcolo dell'ipotesi alta non si può fare: Attenzione: la percentuale delle donne in età feconda è "
              "troppa bassa rispetto agli abitanti! Aumentarla.");
    EXPECT_FALSE(d.model.results());
    EXPECT_TRUE(d.model.chart().isEmpty());
}

TEST(HypothesesModel, AStudyWithoutItsOwnDataIsRefusedAsTheCentralHypothesis)
{
    Desk d;
    d.w.m().setText(F::tassofert, QString());
    EXPECT_FALSE(d.model.calcolaIpotesi());
    EXPECT_EQ(d.w.messenger.texts().last(),
              "Il calcolo dell'ipotesi centrale non si può fare: ATTENZIONE: occorre digitare tutti i dati richiesti, "
              "eventualmente tranne i tassi di immigrazione ed emigrazione.");
}

TEST(HypothesesModel, ResultsGoWhenAnInputOrAValueChangesAndTheCentralColumnFollows)
{
    Desk d;
    d.model.setValue(K::Low, F::immigr, QStringLiteral("1"));
    ASSERT_TRUE(d.model.calcolaIpotesi());
    EXPECT_EQ(d.model.results()->column(K::Central).years.front(), 2000);
    // Anything the projection window shows that is not an input keeps them.
    d.w.m().setPasso(QStringLiteral("altro"));
    EXPECT_TRUE(d.model.results());

    d.w.m().setText(F::tassofert, QStringLiteral("1,6"));
    EXPECT_FALSE(d.model.results());
    EXPECT_TRUE(d.model.chart().isEmpty());
    EXPECT_EQ(d.model.value(K::Central, F::tassofert), "1,6");
    // Kept in the line, the other values stay as they were typed.
    EXPECT_EQ(d.model.value(K::High, F::tassofert), "1,5");

    ASSERT_TRUE(d.model.calcolaIpotesi());
    d.model.setValue(K::High, F::emigr, QStringLiteral("2"));
    EXPECT_FALSE(d.model.results());
}

TEST(HypothesesModel, AnotherStudyBringsItsOwnValuesAndClearingTheWindowDropsThem)
{
    Desk d;
    d.model.setValue(K::High, F::immigr, QStringLiteral("9"));
    StudyRecord other = d.w.m().files().study();
    other.inputs[2] = QStringLiteral("1,4");
    other.setLine(QStringLiteral("ipotesi"), {"ipotesi", "tassofert", "1,1", "1,8"});
    d.w.m().files().applyStudy(other);
    EXPECT_EQ(d.model.value(K::Low, F::tassofert), "1,1");
    EXPECT_EQ(d.model.value(K::High, F::immigr), "3");
    d.w.m().cancelladati_Click();
    EXPECT_EQ(d.line(), "(none)");
}
