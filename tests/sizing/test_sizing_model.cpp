// The window "Dimensionamento" without widgets: the figures it keeps in the
// study only once the user set one, its refusals, results that follow the
// study, and the office's sets of figures kept in its settings.
#include "core/StudioSettings.h"
#include "sizing/SizingModel.h"
#include "support/Cases.h"
#include "support/Scripted.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using F = ProjectionInput;
using I = PlanSizing::Input;

struct Desk {
    Window w;
    SizingModel model{w.study};
    Desk()
    {
        fillFields(w.m(), workedExample(QStringLiteral("2030")));
        w.m().calcola_Click();
    }
    QString line() const
    {
        const QStringList *l = w.model->files().line(QStringLiteral("dimensionamento"));
        return l ? l->join(u'|') : QStringLiteral("(none)");
    }
    QString result(const char *key, std::size_t column = 0) const
    {
        for (const auto &[name, value] : PlanSizing::resultLines(model.sizing()->columns.at(column))) {
            if (name == QLatin1String(key))
                return value;
        }
        return {};
    }
};

// The office's settings in a file of the test's own.
struct Office {
    QTemporaryDir dir;
    Office() { StudioSettings::useFile(dir.filePath(QStringLiteral("vicania.ini"))); }
    ~Office() { StudioSettings::useFile(QString()); }
};

} // namespace

TEST(SizingModel, KeepsTheLineOnlyOnceTheUserSetsAFigure)
{
    Desk d;
    EXPECT_EQ(d.model.value(I::volume), "80");
    EXPECT_EQ(d.model.value(I::famiglia), "");
    // Fields left as they were, a national figure typed again: no line.
    d.model.setValue(I::famiglia, QString());
    d.model.setValue(I::std_verde, QStringLiteral("9,00"));
    EXPECT_EQ(d.line(), "(none)");
    EXPECT_EQ(d.model.refusal(), "Manca il dato «Componenti per famiglia nell'anno di partenza».");

    d.model.setValue(I::famiglia, QStringLiteral(" 2,5 "));
    EXPECT_EQ(d.line(), "dimensionamento|famiglia|2,5");
    ASSERT_TRUE(d.model.sizing());
    EXPECT_EQ(d.result("famiglie_inizio"), "4000");
    // A quote would make the study impossible to save.
    d.model.setValue(I::pregresso, QStringLiteral("1\"2"));
    EXPECT_EQ(d.line(), "dimensionamento|famiglia|2,5|pregresso|1'2");
    EXPECT_TRUE(StudyFile::serialize(d.w.m().files().study()));

    d.model.setValue(I::pregresso, QString());
    d.model.setValue(I::famiglia, QString());
    EXPECT_EQ(d.line(), "(none)");
}

struct Refusal {
    std::string name;
    I input;
    const char *typed;
    const char *message;
};

class SizingRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(SizingRefusal, NamesTheFieldAndComputesNothing)
{
    Desk d;
    d.model.setValue(I::famiglia, QStringLiteral("2,21"));
    ASSERT_TRUE(d.model.sizing());
    d.model.setValue(GetParam().input, QString::fromUtf8(GetParam().typed));
    EXPECT_FALSE(d.model.sizing());
    EXPECT_EQ(d.model.refusal(), QString::fromUtf8(GetParam().message));
    // Kept as typed, for the user to mend.
    EXPECT_EQ(d.model.value(GetParam().input), QString::fromUtf8(GetParam().typed));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SizingRefusal,
    testing::ValuesIn(std::vector<Refusal>{
        {"NoNumber", I::volume, "ottanta",
         "Il dato «Volume residenziale per abitante» non è un numero valido: «ottanta»."},
        {"AboveItsBounds", I::sfitto, "60",
         "Il dato «Abitazioni non occupate per la mobilità» deve essere compreso tra 0 e 50."},
        {"NoHouseholdsLeft", I::variazione, "-0,1",
         "I componenti per famiglia nell'anno di arrivo (-0,79) sono zero o meno: controlla i componenti per famiglia "
         "e la loro variazione annua."},
    }),
    RowName());

TEST(SizingModel, ResultsFollowTheStudyAndItsHypotheses)
{
    Desk d;
    d.model.setValue(I::famiglia, QStringLiteral("2,21"));
    ASSERT_TRUE(d.model.sizing());
    EXPECT_EQ(d.model.sizing()->names, std::vector<QString>{QString()});
    d.w.m().setText(F::tassofert, QStringLiteral("1,6"));
    EXPECT_FALSE(d.model.hasResult());
    EXPECT_FALSE(d.model.sizing());
    EXPECT_EQ(d.model.refusal(), "");

    StudyRecord other = d.w.m().files().study();
    other.setLine(QStringLiteral("ipotesi"), {"ipotesi", "tassofert", "1,2", "1,8"});
    other.setLine(QStringLiteral("dimensionamento"), {"dimensionamento", "famiglia", "3", "regola", "L.R. 1/2000"});
    d.w.m().files().applyStudy(other);
    d.w.m().calcola_Click();
    EXPECT_EQ(d.model.value(I::famiglia), "3");
    EXPECT_EQ(d.model.rule(), "L.R. 1/2000");
    ASSERT_TRUE(d.model.sizing());
    EXPECT_EQ(d.model.sizing()->names, (std::vector<QString>{"Bassa", "Centrale", "Alta"}));
    EXPECT_LT(d.result("abitanti_arrivo", 0).toInt(), d.result("abitanti_arrivo", 2).toInt());
}

TEST(SizingModel, TheOfficesFiguresRoundTripThroughItsSettingsAndFillAnotherStudy)
{
    Office office;
    {
        Desk d;
        EXPECT_EQ(*d.model.savePreset(QStringLiteral("  "), QString()), "Dai un nome alle figure da salvare.");
        d.model.setValue(I::std_verde, QStringLiteral("200"));
        EXPECT_EQ(*d.model.savePreset(QStringLiteral("Errata"), QString()),
                  "Le figure non si possono salvare: Il dato «Standard per il verde, il gioco e lo sport» deve essere "
                  "compreso tra 0 e 100.");
        d.model.setValue(I::std_verde, QStringLiteral("12"));
        d.model.setValue(I::volume, QStringLiteral("100"));
        EXPECT_FALSE(d.model.savePreset(QStringLiteral("Emilia-Romagna"), QStringLiteral("L.R. 24/2017, art. 35")));
        EXPECT_EQ(d.line(), "dimensionamento|std_verde|12|volume|100|regola|L.R. 24/2017, art. 35");
        EXPECT_EQ(d.model.currentPreset(), 1);
    }
    ASSERT_EQ(StudioSettings::presets().size(), 1u);
    EXPECT_EQ(StudioSettings::presets()[0].figures,
              (std::vector<std::pair<QString, QString>>{{"std_interesse", "2,00"},
                                                        {"std_istruzione", "4,50"},
                                                        {"std_parcheggi", "2,50"},
                                                        {"std_verde", "12"},
                                                        {"volume", "100"},
                                                        {"volume_connesso", "20"}}));
    Desk d;
    EXPECT_EQ(d.model.presetNames(), (QStringList{"Nazionali (D.M. 1444/1968, art. 3)", "Emilia-Romagna"}));
    EXPECT_EQ(d.model.currentPreset(), 0);
    d.model.choosePreset(1);
    EXPECT_EQ(d.model.value(I::volume), "100");
    EXPECT_EQ(d.model.value(I::std_verde), "12");
    EXPECT_EQ(d.model.rule(), "L.R. 24/2017, art. 35");
    d.model.choosePreset(0);
    EXPECT_EQ(d.model.value(I::volume), "80");
    EXPECT_EQ(d.line(), "(none)");
    EXPECT_TRUE(d.model.removePreset(1));
    EXPECT_TRUE(StudioSettings::presets().empty());
}
