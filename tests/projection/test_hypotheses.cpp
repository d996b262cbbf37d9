// The hypotheses: each is what Calcola gives with its values typed into the
// window, and the study keeps them only when they say something.
#include "projection/HypothesisRun.h"
#include "support/Cases.h"
#include "support/Scripted.h"

#include <gtest/gtest.h>

namespace {

struct Study {
    const char *name;
    QStringList fields; // window order, as workedExample gives them
    friend void PrintTo(const Study &row, std::ostream *os) { *os << row.name; }
};

const Study kStudies[] = {
    {"Forward", workedExample(QStringLiteral("2030"))},
    {"ForwardWithoutMigration", workedExample(QStringLiteral("2012"), QStringLiteral("0"), QStringLiteral("0"))},
    {"Backward", workedExample(QStringLiteral("1980"))},
    {"OneHundredNinetyNineYears", workedExample(QStringLiteral("2199"))},
};

// Low and high values of tassofert, aspvita, immigr, emigr.
StudyHypotheses hypotheses()
{
    return {{{"tassofert", "1,2", "1,9"}, {"aspvita", "76", "84,5"}, {"immigr", "1", "6"}, {"emigr", "2", "0,5"}}};
}

// The study as a window computes it with these values typed in.
HypothesisColumn typedIn(const QStringList &fields, const QStringList &varied)
{
    Window w;
    fillFields(w.m(), fields);
    for (std::size_t i = 0; i < Hypotheses::kVaried.size(); ++i)
        w.type(Hypotheses::kVaried[i], varied[qsizetype(i)]);
    w.m().calcola_Click();
    HypothesisColumn c;
    for (int row = 1; row <= w.m().usedRows() && w.m().table().year[std::size_t(row)]; ++row) {
        c.years.push_back(int(*w.m().table().year[std::size_t(row)]));
        c.inhabitants.push_back(gridCellText(w.m().table(), row, GridColumn::abit).toDouble());
    }
    c.result = w.m().popolazione();
    return c;
}

class EachHypothesis : public testing::TestWithParam<Study> {};

} // namespace

TEST_P(EachHypothesis, IsCalcolaWithItsValuesTypedIn)
{
    Window w;
    fillFields(w.m(), GetParam().fields);
    const StudyRecord study = w.m().files().study();
    const auto compared = HypothesisRun::compare(study, hypotheses());
    ASSERT_TRUE(std::holds_alternative<HypothesisComparison>(compared)) << std::get<QString>(compared).toStdString();
    const HypothesisComparison &c = std::get<HypothesisComparison>(compared);
    const QStringList low{"1,2", "76", "1", "2"}, high{"1,9", "84,5", "6", "0,5"};
    const QStringList central{GetParam().fields[2], GetParam().fields[6], GetParam().fields[7], GetParam().fields[8]};
    for (const auto &[kind, values] :
         {std::pair{Hypotheses::Kind::Low, low}, std::pair{Hypotheses::Kind::Central, central},
          std::pair{Hypotheses::Kind::High, high}}) {
        const HypothesisColumn expected = typedIn(GetParam().fields, values);
        const HypothesisColumn &got = c.column(kind);
        EXPECT_EQ(got.years, expected.years) << Hypotheses::name(kind).toStdString();
        EXPECT_EQ(got.inhabitants, expected.inhabitants) << Hypotheses::name(kind).toStdString();
        EXPECT_EQ(got.result, expected.result) << Hypotheses::name(kind).toStdString();
        EXPECT_FALSE(got.result.isEmpty());
    }
    EXPECT_NE(c.column(Hypotheses::Kind::Low).result, c.column(Hypotheses::Kind::High).result);
}

INSTANTIATE_TEST_SUITE_P(Studies, EachHypothesis, testing::ValuesIn(kStudies), RowName());

TEST(Hypotheses, ARefusedOneIsNamedAndNothingIsGiven)
{
    Window w;
    fillFields(w.m(), workedExample(QStringLiteral("2030")));
    StudyHypotheses h = hypotheses();
    h.values[1].high = QStringLiteral("40"); // below the end of procreation: too few women
    const auto compared = HypothesisRun::compare(w.m().files().study(), h);
    ASSERT_TRUE(std::holds_alternative<QString>(compared));
    EXPECT_EQ(std::get<QString>(compared), "Il calcolo dell'ipotesi alta non si può fare: Attenzione: la percentuale "
                                           "delle donne in età feconda è troppa bassa rispetto agli abitanti! "
                                           "Aumentarla.");
}

TEST(Hypotheses, AreKeptOnlyWhenAValueDiffersFromTheStudysOwn)
{
    Window w;
    fillFields(w.m(), workedExample(QStringLiteral("2030")));
    const StudyRecord study = w.m().files().study();
    StudyHypotheses same = HypothesisRun::of(study);
    EXPECT_FALSE(HypothesisRun::differs(study, same));
    same.values[0].low = QStringLiteral("1,50"); // the same number written otherwise
    EXPECT_FALSE(HypothesisRun::differs(study, same));
    same.values[3].high = QStringLiteral("1,5");
    EXPECT_TRUE(HypothesisRun::differs(study, same));
    EXPECT_EQ(StudyHypotheses::fromLine(hypotheses().line()), hypotheses());
    EXPECT_EQ(hypotheses().line().join(u','), "ipotesi,tassofert,1,2,1,9,aspvita,76,84,5,immigr,1,6,emigr,2,0,5");
}
