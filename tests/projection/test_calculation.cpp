// The projection: worked examples, the operations counter, the checks that
// stop it, and the grid it fills.
#include "core/AppGlobals.h"
#include "support/Cases.h"
#include "support/Scripted.h"
#include "support/Texts.h"

#include <gtest/gtest.h>

using F = ProjectionModel::Field;

namespace {

double cell(const ProjectionModel &m, double ProjectionTable::*, int) = delete;

const ProjectionTable &table(Window &w)
{
    return w.m().table();
}

} // namespace

TEST(WorkedExample, ForwardOneYearGives9982)
{
    Window w;
    w.example();
    w.m().calcola_Click();
    EXPECT_EQ(w.m().popolazione(), QStringLiteral("9982"));
    const ProjectionTable &t = table(w);
    EXPECT_EQ(*t.year[1], 2000);
    EXPECT_EQ(*t.year[2], 2001);
    EXPECT_DOUBLE_EQ(t.oldAgeDeaths[1], 125);
    EXPECT_DOUBLE_EQ(t.fertileWomen[1], 2500);
    EXPECT_NEAR(t.births[1], (3750 - 18.75) / 35, 1e-9);
    EXPECT_NEAR(t.infantDeaths[1], 18.75 / 35, 1e-12);
    EXPECT_NEAR(t.naturalChange[1], -18.392857142857, 1e-9);
    EXPECT_DOUBLE_EQ(t.inhabitants[2], 9982);
    EXPECT_DOUBLE_EQ(t.oldAgeDeaths[2], 9982 / 80.0);
    EXPECT_EQ(w.m().ProjectionSpan(), 1);
    EXPECT_TRUE(w.m().verificaEnabled());
    EXPECT_TRUE(w.m().frontespizEnabled());
    EXPECT_EQ(w.m().verification().count, 0);
    EXPECT_EQ(w.m().progressValue(), 2);
    EXPECT_EQ(w.m().progressMaximum(), 2);
    EXPECT_TRUE(w.messenger.shown.isEmpty());
}

TEST(WorkedExample, ForwardThreeYearsWithMigrationGives10065)
{
    Window w;
    w.example(QStringLiteral("2003"), QStringLiteral("10"), QStringLiteral("4"));
    w.m().calcola_Click();
    const ProjectionTable &t = table(w);
    EXPECT_DOUBLE_EQ(t.immigrants[2], 99.82);
    EXPECT_DOUBLE_EQ(t.emigrants[2], 39.928);
    EXPECT_NEAR(t.inhabitants[2], 10041.892, 1e-9);
    EXPECT_EQ(w.m().popolazione(), QStringLiteral("10065"));
    // No migration in the first and, going forwards, the last row.
    EXPECT_EQ(t.immigrants[1], 0);
    EXPECT_EQ(t.emigrants[4], 0);
    EXPECT_DOUBLE_EQ(t.inhabitants[4], 10065);
}

TEST(WorkedExample, BackwardFrom10065Gives10000And9940)
{
    Window w;
    w.fill(QStringLiteral("2003"), QStringLiteral("10065"), QStringLiteral("1,5"), QStringLiteral("14"),
           QStringLiteral("49"), QStringLiteral("5"), QStringLiteral("80"), QStringLiteral("10"), QStringLiteral("4"),
           QStringLiteral("2000"));
    w.m().calcola_Click();
    const ProjectionTable &t = table(w);
    EXPECT_EQ(*t.year[1], 2003);
    EXPECT_EQ(*t.year[4], 2000);
    EXPECT_NEAR(t.naturalChange[1], 18.5124, 1e-4);
    EXPECT_DOUBLE_EQ(t.inhabitants[2], 10084 - 100.84 + 40.336);
    EXPECT_DOUBLE_EQ(t.immigrants[2], -100.84);
    EXPECT_DOUBLE_EQ(t.emigrants[2], -40.336);
    EXPECT_EQ(w.m().popolazione(), QStringLiteral("10000"));
    EXPECT_DOUBLE_EQ(t.inhabitants[4], 9940);
    EXPECT_EQ(w.m().grid().gridCell(2, GridColumn::imm), QStringLiteral("101"));
    EXPECT_EQ(w.m().grid().gridCell(2, GridColumn::em), QStringLiteral("40"));
}

TEST(WorkedExample, BackwardRunNegatesNaturalChangeOverDecreasingYears)
{
    Window w;
    w.fill(QStringLiteral("2010"), QStringLiteral("10000"), QStringLiteral("1,5"), QStringLiteral("14"),
           QStringLiteral("49"), QStringLiteral("5"), QStringLiteral("80"), QStringLiteral("3"), QStringLiteral("1"),
           QStringLiteral("2000"));
    w.m().calcola_Click();
    const ProjectionTable &t = table(w);
    for (int row = 1; row <= 11; ++row)
        EXPECT_EQ(*t.year[row], 2011 - row) << "row " << row;
    EXPECT_GT(t.naturalChange[1], 0);
    EXPECT_LT(t.immigrants[11], 0);
    EXPECT_LT(t.emigrants[11], 0);
    EXPECT_EQ(t.immigrants[1], 0);
}

namespace {

struct Steps {
    const char *name;
    const char *start;
    const char *target;
    const char *immigr;
    int expected;
    friend void PrintTo(const Steps &row, std::ostream *os) { *os << row.start << " to " << row.target; }
};

const Steps kSteps[] = {
    {"ForwardOneYear", "2000", "2001", "0", 3 + 11 + 10},
    {"ForwardThreeYears", "2000", "2003", "0", 3 + 11 + 14 * 2 + 10},
    {"ForwardTwentyYears", "2000", "2020", "0", 3 + 11 + 14 * 19 + 10},
    {"EmptyOptionalFieldsCountOnceEach", "2000", "2003", "", 2 + 3 + 11 + 14 * 2 + 10},
    // Backward: two more per row for the sign, and migration in the last row.
    {"BackwardThreeYears", "2003", "2000", "0", 3 + 13 + 16 * 2 + 15},
};

class CounterSteps : public testing::TestWithParam<Steps> {};

} // namespace

TEST_P(CounterSteps, CountsEachStepOfTheProjection)
{
    const Steps &row = GetParam();
    Window w;
    w.example(QString::fromUtf8(row.target), QString::fromUtf8(row.immigr), QString::fromUtf8(row.immigr));
    w.type(F::anno1, QString::fromUtf8(row.start));
    w.m().calcola_Click();
    EXPECT_EQ(w.numop(), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Counter, CounterSteps, testing::ValuesIn(kSteps), RowName());

TEST(Counter, KeepsGrowingAndCountsTheClearedRows)
{
    Window w;
    w.example(QStringLiteral("2003"));
    w.m().calcola_Click();
    const ProjectionTable first = w.m().table();
    const QString result = w.m().popolazione();
    w.m().calcola_Click();
    EXPECT_EQ(w.numop(), 2 * 52 + 3);
    EXPECT_EQ(w.m().table(), first);
    EXPECT_EQ(w.m().popolazione(), result);
}

TEST(Optional, EmptyMigrationFieldsBecomeZero)
{
    Window w;
    w.example(QStringLiteral("2005"), QString(), QString());
    w.m().calcola_Click();
    EXPECT_EQ(w.m().text(F::immigr), QStringLiteral("0"));
    EXPECT_EQ(w.m().text(F::emigr), QStringLiteral("0"));
    EXPECT_FALSE(w.m().popolazione().isEmpty());
    EXPECT_EQ(w.m().passo(), Expected::kReadyToCompute);
}

TEST(Optional, EmptyKnownInhabitantsProjectAPopulationOfZero)
{
    Window w;
    w.example(QStringLiteral("2010"));
    w.type(F::abitnoti, QString());
    w.m().calcola_Click();
    EXPECT_EQ(w.m().popolazione(), QStringLiteral("0"));
    for (int c = 1; c < kGridColumnCount; ++c)
        EXPECT_EQ(w.m().grid().gridCell(3, static_cast<GridColumn>(c)), QStringLiteral("0")) << "column " << c;
}

// A field as its window names it.
void PrintTo(ProjectionModel::Field field, std::ostream *os)
{
    *os << ProjectionInputs::name(field).toStdString();
}

namespace {

class RequiredField : public testing::TestWithParam<F> {};

} // namespace

TEST_P(RequiredField, LeftEmptyStopsWithTheMessage)
{
    Window w;
    w.example(QStringLiteral("2003"), QString(), QString());
    w.type(GetParam(), QString());
    w.messenger.shown.clear(); // only what Calcola says
    w.m().calcola_Click();
    ASSERT_EQ(w.messenger.shown.size(), 1);
    EXPECT_EQ(w.messenger.shown[0].text, QStringLiteral("ATTENZIONE: occorre digitare tutti i dati richiesti, "
                                                        "eventualmente tranne i tassi di immigrazione ed "
                                                        "emigrazione."));
    EXPECT_EQ(w.messenger.shown[0].title, appGlobals().DataCheckTitle);
    EXPECT_TRUE(w.m().text(F::immigr).isEmpty());
    EXPECT_TRUE(w.m().popolazione().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Required, RequiredField,
                         testing::Values(F::anno1, F::tassofert, F::iniziofert, F::finefert, F::mortinfanti, F::aspvita,
                                         F::anno2),
                         [](const testing::TestParamInfo<F> &c) {
                             return ProjectionInputs::name(c.param).toStdString();
                         });

TEST(WomenCheck, PassesAtTheShareThatCoversTheDeaths)
{
    // 50 x 35 / 80 = 21.875 percent is the boundary.
    Window pass;
    pass.example(QStringLiteral("2010"));
    pass.m().fields().setVScroll2(22);
    pass.m().calcola_Click();
    EXPECT_TRUE(pass.messenger.shown.isEmpty());
    EXPECT_FALSE(pass.m().popolazione().isEmpty());

    Window stop;
    stop.example(QStringLiteral("2010"));
    stop.m().fields().setVScroll2(21);
    stop.m().calcola_Click();
    ASSERT_EQ(stop.messenger.shown.size(), 1);
    EXPECT_EQ(stop.messenger.shown[0].text, QStringLiteral("Attenzione: la percentuale delle donne in età feconda è "
                                                           "troppa bassa rispetto agli abitanti! Aumentarla."));
    EXPECT_EQ(stop.messenger.shown[0].icon, Message::Icon::Critical);
    EXPECT_TRUE(stop.m().popolazione().isEmpty());
    EXPECT_FALSE(stop.m().verificaEnabled());
    EXPECT_EQ(*stop.m().table().year[1], 2000);
    EXPECT_FALSE(stop.m().table().year[2]);
    EXPECT_EQ(stop.m().progressValue(), 1);
}

TEST(WomenCheck, AShareOf10StopsAtTheFirstRow)
{
    Window w;
    w.example();
    w.m().fields().setVScroll2(10);
    w.m().calcola_Click();
    ASSERT_EQ(w.messenger.shown.size(), 1);
    EXPECT_DOUBLE_EQ(w.m().table().fertileWomen[1], 1000);
    EXPECT_EQ(w.m().table().births[1], 0);
}

TEST(Span, AcceptsUpTo199Years)
{
    Window ok;
    ok.example(QStringLiteral("2199"));
    ok.m().calcola_Click();
    EXPECT_TRUE(ok.messenger.shown.isEmpty());
    EXPECT_EQ(*ok.m().table().year[200], 2199);
    ok.m().setVScroll1(1000);
    EXPECT_EQ(ok.m().grid().VScroll1(), 191);
    EXPECT_EQ(ok.m().grid().gridCell(10, GridColumn::ann), QStringLiteral("2199"));
}

namespace {

// Whether the user answers Yes to leaving.
class SpanBeyond199 : public testing::TestWithParam<bool> {};

} // namespace

TEST_P(SpanBeyond199, IsRefusedAndOffersTheExit)
{
    const bool leave = GetParam();
    Window w;
    bool exit = false;
    QObject::connect(w.model, &ProjectionModel::exitConfirmed, [&exit] { exit = true; });
    w.messenger.answers.push_back(leave ? Message::Answer::Yes : Message::Answer::No);
    w.example(QStringLiteral("2200"), QString(), QString());
    w.m().calcola_Click();
    ASSERT_EQ(w.messenger.shown.size(), 2);
    EXPECT_EQ(w.messenger.shown[0].text,
              QStringLiteral("Attenzione: la massima differenza di anni non può superare il valore di 199."));
    const Message expected{QStringLiteral("Vuoi uscire da Vicania?"),
                           QStringLiteral("Attenzione: i dati non archiviati andranno persi !"),
                           Message::Icon::Question, Message::Buttons::YesNo, Message::Answer::No};
    EXPECT_EQ(w.messenger.shown[1], expected);
    EXPECT_EQ(exit, leave);
    EXPECT_EQ(w.m().ProjectionSpan(), 200);
    EXPECT_EQ(w.m().text(F::immigr), QStringLiteral("0"));
    EXPECT_TRUE(w.m().popolazione().isEmpty());
    // The rejected span is kept; clearing and the grid stop at row 200.
    w.m().cancelladati_Click();
    EXPECT_EQ(w.m().grid().VScroll1Maximum(), 191);
    w.m().setVScroll1(191);
    EXPECT_EQ(w.m().grid().gridCell(10, GridColumn::ann), QString());
}

INSTANTIATE_TEST_SUITE_P(Span, SpanBeyond199, testing::Bool(), [](const testing::TestParamInfo<bool> &c) {
    return std::string(c.param ? "AnsweredYes" : "AnsweredNo");
});

namespace {

// A field's text, and the caption of the field a refusal must name.
struct Refused {
    const char *name;
    F field;
    const char *text;
    const char *caption;
    friend void PrintTo(const Refused &row, std::ostream *os) { *os << '"' << row.text << '"'; }
};

const Refused kNotANumber[] = {
    {"FertilityInWords", F::tassofert, "uno", "Tasso di fecondità (%)"},
    {"InfantMortalityWithItsUnit", F::mortinfanti, "5 per mille", "Mortalità infantile su 1000"},
    {"ImmigrationWithAPoint", F::immigr, "1.5", "Immigrazione x 1000"},
    {"TargetYearInWords", F::anno2, "duemila", "Anno di arrivo"},
};

class NotANumber : public testing::TestWithParam<Refused> {};

} // namespace

TEST_P(NotANumber, IsRefusedNamingTheField)
{
    const Refused &row = GetParam();
    Window w;
    w.example(QStringLiteral("2003"), QString(), QString());
    w.type(row.field, QString::fromUtf8(row.text));
    const int before = w.numop();
    w.m().calcola_Click();
    ASSERT_EQ(w.messenger.shown.size(), 1);
    EXPECT_TRUE(w.messenger.shown[0].text.contains(QString::fromUtf8(row.caption)));
    EXPECT_EQ(w.messenger.shown[0].title, appGlobals().DataCheckTitle);
    EXPECT_EQ(w.messenger.shown[0].icon, Message::Icon::Critical);
    EXPECT_EQ(w.numop(), before);
    EXPECT_TRUE(w.m().popolazione().isEmpty());
    if (row.field != F::immigr) {
        EXPECT_TRUE(w.m().text(F::immigr).isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Mended, NotANumber, testing::ValuesIn(kNotANumber), RowName());

namespace {

// A field's text, and a part of the refusal it must bring.
const Refused kNoDivision[] = {
    {"FertilityStartingAtItsEnd", F::iniziofert, "49", "fine procreazione deve essere maggiore"},
    {"FertilityStartingAfterItsEnd", F::iniziofert, "50", "fine procreazione deve essere maggiore"},
    {"MedianAgeOfZero", F::aspvita, "0", "maggiore di zero"},
    {"TargetYearEqualToTheStart", F::anno2, "2000", "coincide con l'anno di partenza"},
    {"FractionalTargetYear", F::anno2, "2010,5", "anno intero"},
};

class DivisionByZero : public testing::TestWithParam<Refused> {};

} // namespace

TEST_P(DivisionByZero, OrEqualYearsAreRefused)
{
    const Refused &row = GetParam();
    Window w;
    w.example(QStringLiteral("2010"));
    w.m().calcola_Click();
    const qint64 span = w.m().ProjectionSpan();
    w.messenger.shown.clear();
    w.type(row.field, QString::fromUtf8(row.text));
    w.messenger.shown.clear();
    w.m().calcola_Click();
    ASSERT_EQ(w.messenger.shown.size(), 1);
    EXPECT_TRUE(w.messenger.shown[0].text.contains(QString::fromUtf8(row.caption)))
        << w.messenger.shown[0].text.toStdString();
    EXPECT_TRUE(w.m().popolazione().isEmpty());
    EXPECT_EQ(w.m().ProjectionSpan(), span);
    for (int r = 1; r <= 11; ++r)
        EXPECT_FALSE(w.m().table().year[r]) << "row " << r;
}

INSTANTIATE_TEST_SUITE_P(Mended, DivisionByZero, testing::ValuesIn(kNoDivision), RowName());

TEST(Grid, ScrollsThroughTwentyYears)
{
    Window w;
    w.example(QStringLiteral("2020"));
    w.m().calcola_Click();
    EXPECT_EQ(w.m().grid().VScroll1Maximum(), 12);
    EXPECT_EQ(w.m().grid().gridCell(1, GridColumn::ann), QStringLiteral("2000"));
    EXPECT_EQ(w.m().grid().gridCell(10, GridColumn::ann), QStringLiteral("2009"));
    w.m().setVScroll1(12);
    EXPECT_EQ(w.m().grid().gridCell(1, GridColumn::ann), QStringLiteral("2011"));
    EXPECT_EQ(w.m().grid().gridCell(10, GridColumn::ann), QStringLiteral("2020"));
    EXPECT_EQ(w.m().grid().gridCell(10, GridColumn::abit), w.m().popolazione());

    // A shorter projection cannot scroll and pulls the value back.
    w.type(F::anno2, QStringLiteral("2005"));
    w.m().calcola_Click();
    EXPECT_EQ(w.m().grid().VScroll1Maximum(), 1);
    EXPECT_EQ(w.m().grid().VScroll1(), 1);
    EXPECT_EQ(w.m().grid().gridCell(7, GridColumn::ann), QString());
    EXPECT_EQ(w.m().grid().gridCell(7, GridColumn::abit), QStringLiteral("0"));
}

TEST(Grid, EmptyUntilTheFirstRedrawAndNotRedrawnAfterAStop)
{
    Window w;
    w.example(QStringLiteral("2010"));
    EXPECT_EQ(w.m().grid().gridCell(1, GridColumn::abit), QString());
    EXPECT_EQ(w.m().grid().gridCell(1, GridColumn::ann), QString());
    // The women check stops the projection: the table holds row 1, the grid
    // still shows the cleared state of the start of the calculation.
    w.m().fields().setVScroll2(10);
    w.m().calcola_Click();
    EXPECT_EQ(*w.m().table().year[1], 2000);
    EXPECT_EQ(w.m().grid().gridCell(1, GridColumn::ann), QString());
    EXPECT_EQ(w.m().grid().gridCell(1, GridColumn::abit), QStringLiteral("0"));
}

TEST(Grid, HighlightsOneRowUntilTheNextRedraw)
{
    Window w;
    w.example(QStringLiteral("2020"));
    w.m().calcola_Click();
    w.m().ann_MouseMove(4);
    w.m().ann_MouseMove(7);
    EXPECT_EQ(w.m().grid().highlightedRow(), 7);
    w.m().setVScroll1(3);
    EXPECT_EQ(w.m().grid().highlightedRow(), 0);
}

TEST(Clearing, EmptiesTheFieldsAndTheTableButKeepsTheShare)
{
    Window w;
    w.example(QStringLiteral("2012"), QString(), QString());
    w.m().fields().setVScroll2(30);
    w.m().calcola_Click();
    w.m().cancelladati_Click();
    for (int i = 0; i < ProjectionInputs::kTypedCount; ++i)
        EXPECT_TRUE(w.m().text(static_cast<F>(i)).isEmpty()) << ProjectionInputs::name(static_cast<F>(i)).toStdString();
    EXPECT_EQ(w.m().numop(), QStringLiteral("0"));
    EXPECT_EQ(w.m().text(ProjectionModel::Field::pdf), QStringLiteral("30"));
    EXPECT_EQ(w.m().passo(), ProjectionInputs::prompt(ProjectionInputs::at(0)));
    EXPECT_TRUE(w.messenger.shown.isEmpty());
    for (int row = 1; row <= 10; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(w.m().grid().gridCell(row, GridColumn::ann), QString());
        EXPECT_EQ(w.m().grid().gridCell(row, GridColumn::abit), QStringLiteral("0"));
    }
    EXPECT_FALSE(w.m().table().year[13]);
}

// Values no real study holds are refused, naming the field, before anything
// is computed; a projection that runs away is refused too. Nothing absurd is
// ever shown.
namespace {

const Refused kOutOfRange[] = {
    {"HugeKnownInhabitants", F::abitnoti, "1e308", "Numero di abitanti nell'anno di partenza"},
    {"TwentyDigitKnownInhabitants", F::abitnoti, "99999999999999999999", "Numero di abitanti nell'anno di partenza"},
    {"NegativeKnownInhabitants", F::abitnoti, "-5", "Numero di abitanti nell'anno di partenza"},
    {"StartYearTenMillion", F::anno1, "10000000", "Anno di partenza"},
    {"NegativeTargetYear", F::anno2, "-20000", "Anno di arrivo"},
    {"HugeFertility", F::tassofert, "1e308", "Tasso di fecondità (%)"},
    {"NegativeFertilityStart", F::iniziofert, "-3", "Età inizio di procreazione"},
    {"TwentyDigitMedianAge", F::aspvita, "99999999999999999999", "Età mediana di morte"},
    {"HugeImmigration", F::immigr, "1e308", "Immigrazione x 1000"},
    {"NegativeEmigration", F::emigr, "-1", "Emigrazione x 1000"},
    {"InfantMortalityAboveAThousand", F::mortinfanti, "5000", "Mortalità infantile su 1000"},
};

class OutOfRange : public testing::TestWithParam<Refused> {};

} // namespace

TEST_P(OutOfRange, IsRefusedNamingTheField)
{
    const Refused &row = GetParam();
    Window w;
    w.example();
    w.type(row.field, QString::fromUtf8(row.text));
    w.m().calcola_Click();
    ASSERT_EQ(w.messenger.shown.size(), 1);
    EXPECT_TRUE(w.messenger.shown[0].text.contains(QString::fromUtf8(row.caption)))
        << w.messenger.shown[0].text.toStdString();
    EXPECT_TRUE(w.messenger.shown[0].text.contains(QStringLiteral("deve essere un numero da")));
    EXPECT_EQ(w.messenger.shown[0].title, appGlobals().DataCheckTitle);
    EXPECT_TRUE(w.m().popolazione().isEmpty());
    EXPECT_FALSE(w.m().verificaEnabled());
}

INSTANTIATE_TEST_SUITE_P(Bounds, OutOfRange, testing::ValuesIn(kOutOfRange), RowName());

// A leading number too large even for the arithmetic is as much out of
// bounds as 1e11, not the 0 it used to be read as.
TEST(Bounds, KnownInhabitantsBeyondAnyNumberAreRefusedLike1e11)
{
    for (const QString &typed : {QStringLiteral("1e11"), QStringLiteral("1e400"), QStringLiteral("-1e400"),
                                 QString(10000, u'9'), QString(10000, u'9') + QStringLiteral(" abitanti")}) {
        SCOPED_TRACE(typed.left(20).toStdString());
        Window w;
        w.example();
        w.type(F::abitnoti, typed);
        w.m().calcola_Click();
        EXPECT_EQ(w.messenger.texts(),
                  QStringList{QStringLiteral("Il dato \"Numero di abitanti nell'anno di partenza\" "
                                             "deve essere un numero da 0 a 10.000.000.000: "
                                             "correggi il dato.")});
        EXPECT_TRUE(w.m().popolazione().isEmpty());
    }
}

TEST(Bounds, ARunawayProjectionLeavesNoTableAndNoResult)
{
    Window w;
    w.example(QStringLiteral("2199"), QStringLiteral("1000"), QStringLiteral("0"));
    w.type(F::abitnoti, QStringLiteral("10000000000"));
    w.m().calcola_Click();
    ASSERT_EQ(w.messenger.shown.size(), 1);
    EXPECT_EQ(w.messenger.shown[0].text, Expected::kResultOutOfBounds);
    EXPECT_TRUE(w.m().popolazione().isEmpty());
    EXPECT_FALSE(w.m().table().year[1].has_value());
    EXPECT_FALSE(w.m().verificaEnabled());
    // The largest sound values still compute as before.
    Window big;
    big.example(QStringLiteral("2010"), QStringLiteral("10"), QStringLiteral("4"));
    big.type(F::abitnoti, QStringLiteral("10000000000"));
    big.m().calcola_Click();
    EXPECT_TRUE(big.messenger.shown.isEmpty());
    EXPECT_FALSE(big.m().popolazione().isEmpty());
}

namespace {

struct KnownText {
    const char *name;
    const char *typed;
    double read;
    bool notice;
    friend void PrintTo(const KnownText &row, std::ostream *os) { *os << '"' << row.typed << '"'; }
};

const KnownText kKnownTexts[] = {
    {"ThousandsPoint", "10.000", 10, true},          {"TrailingLetters", "12abc", 12, true},
    {"TrailingWord", "12500 abitanti", 12500, true}, {"PlainNumber", "10000", 10000, false},
    {"AnotherPlainNumber", "9500", 9500, false},
};

class KnownInhabitantsText : public testing::TestWithParam<KnownText> {};

} // namespace

TEST_P(KnownInhabitantsText, ReadOtherwiseIsExplainedOnce)
{
    const KnownText &row = GetParam();
    Window w;
    w.example();
    w.type(F::abitnoti, QString::fromUtf8(row.typed));
    w.m().calcola_Click();
    // Read by its leading number, as stored studies expect.
    EXPECT_DOUBLE_EQ(w.m().table().inhabitants[1], row.read);
    ASSERT_EQ(w.messenger.shown.size(), row.notice ? 1 : 0);
    if (row.notice) {
        EXPECT_EQ(w.messenger.shown[0].icon, Message::Icon::Exclamation);
        EXPECT_TRUE(w.messenger.shown[0].text.startsWith(
            QStringLiteral("Il numero di abitanti «%1» è letto come ").arg(QString::fromUtf8(row.typed))));
        // Once for each new text.
        w.m().calcola_Click();
        EXPECT_EQ(w.messenger.shown.size(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Bounds, KnownInhabitantsText, testing::ValuesIn(kKnownTexts), RowName());
