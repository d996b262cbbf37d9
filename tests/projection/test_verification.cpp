// Verification by a backward run, its undo, and the rebalancing loop.
#include "core/AppGlobals.h"
#include "estimate/NumberReading.h"
#include "support/Cases.h"
#include "support/Scripted.h"
#include "support/Texts.h"

#include <QRandomGenerator>
#include <array>
#include <gtest/gtest.h>

using F = ProjectionModel::Field;

namespace {

// Everything the window shows, to compare two runs.
struct Shown {
    QStringList fields;
    QString pdf, popolazione, passo, numop;
    bool calcola, verifica, riequilibra, frontespiz;
    int verifyCount, progress, scroll;
    ProjectionTable table;
    QStringList messages;
    bool operator==(const Shown &) const = default;
};

Shown shown(Window &w)
{
    Shown s;
    for (int i = 0; i < ProjectionInputs::kTypedCount; ++i)
        s.fields << w.m().text(static_cast<F>(i));
    ProjectionModel &m = w.m();
    s.pdf = m.text(ProjectionModel::Field::pdf);
    s.popolazione = m.popolazione();
    s.passo = m.passo();
    s.numop = m.numop();
    s.calcola = m.calcolaEnabled();
    s.verifica = m.verificaEnabled();
    s.riequilibra = m.riequilibraEnabled();
    s.frontespiz = m.frontespizEnabled();
    s.verifyCount = m.verification().count;
    s.progress = m.progressValue();
    s.scroll = m.grid().VScroll1Maximum();
    s.table = m.table();
    s.messages = w.messenger.texts();
    return s;
}

// A town that shrinks: 12000 inhabitants, few births.
void shrinking(Window &w, const QString &known = QStringLiteral("12000"),
               const QString &target = QStringLiteral("2030"))
{
    w.fill(QStringLiteral("2000"), known, QStringLiteral("1,1"), QStringLiteral("15"), QStringLiteral("45"),
           QStringLiteral("6"), QStringLiteral("78"), QStringLiteral("2"), QStringLiteral("5"), target);
}

double number(const QString &text)
{
    return NumberReading::leadingNumber(text);
}

} // namespace

TEST(Verifica, WithoutAResultDoesNothing)
{
    Window w;
    w.m().verifica_Click();
    EXPECT_EQ(w.m().verification().count, 0);
    EXPECT_TRUE(w.messenger.shown.isEmpty());
    EXPECT_EQ(w.m().passo(), Expected::kOpening);
}

TEST(Verifica, SwapsTheYearsAndRunsBackwardsFromTheResult)
{
    Window w;
    w.example(QStringLiteral("2020"), QStringLiteral("3"), QStringLiteral("1"));
    w.m().calcola_Click();
    const QString result = w.m().popolazione();
    w.m().verifica_Click();
    EXPECT_EQ(w.m().text(F::anno1), QStringLiteral("2020"));
    EXPECT_EQ(w.m().text(F::anno2), QStringLiteral("2000"));
    EXPECT_EQ(w.m().text(F::abitnoti), result);
    EXPECT_EQ(w.m().grid().gridCell(1, GridColumn::ann), QStringLiteral("2020"));
    EXPECT_EQ(w.m().grid().gridCell(2, GridColumn::ann), QStringLiteral("2019"));
    EXPECT_EQ(w.m().passo(), QStringLiteral("Se i risultati non sono congrui, dopo la verifica, fai il riequilibro "
                                            "con metodo iterativo cliccando sul tasto 'Riequilibra'."));
    EXPECT_EQ(w.m().verification().startYear, QStringLiteral("2000"));
    EXPECT_EQ(w.m().verification().knownInhabitants, QStringLiteral("10000"));
    // A growing town: the known field is not below the backward result.
    EXPECT_FALSE(w.m().riequilibraEnabled());
    EXPECT_EQ(w.m().verification().count, 0);
    // Pressed again it swaps back and runs forwards from the backward result.
    const QString backward = w.m().popolazione();
    w.m().verifica_Click();
    EXPECT_EQ(w.m().text(F::anno1), QStringLiteral("2000"));
    EXPECT_EQ(w.m().text(F::abitnoti), backward);
}

TEST(Verifica, InTheOfferedStateASecondPressUndoes)
{
    Window w;
    shrinking(w);
    w.m().calcola_Click();
    const Shown afterCalcola = shown(w);
    w.m().verifica_Click();
    ASSERT_TRUE(w.m().riequilibraEnabled());
    ASSERT_EQ(w.m().verification().count, 1);
    w.m().verifica_Click();
    EXPECT_EQ(w.m().text(F::anno1), QStringLiteral("2000"));
    EXPECT_EQ(w.m().text(F::anno2), QStringLiteral("2030"));
    EXPECT_EQ(w.m().text(F::abitnoti), QStringLiteral("12000"));
    EXPECT_EQ(w.m().popolazione(), afterCalcola.popolazione);
    EXPECT_EQ(w.m().table(), afterCalcola.table);
    // Forwards the shrinking result is below the known field: nothing to offer.
    EXPECT_EQ(w.m().verification().count, 0);
    EXPECT_FALSE(w.m().riequilibraEnabled());
    EXPECT_TRUE(w.m().calcolaEnabled());
}

namespace {

// The rates typed per thousand: together 100 or more are heavy.
struct Migration {
    const char *name;
    const char *immigr;
    const char *emigr;
    bool asked;
    friend void PrintTo(const Migration &row, std::ostream *os) { *os << row.immigr << " in, " << row.emigr << " out"; }
};

const Migration kMigrations[] = {
    {"Heavy", "60", "50", true},
    {"Light", "60", "30", false},
    {"AtTheLimit", "50", "50", true},
};

class RebalanceMigration : public testing::TestWithParam<Migration> {};

} // namespace

TEST_P(RebalanceMigration, AsksFirstWhenMigrationIsHeavy)
{
    const Migration &row = GetParam();
    Window w;
    shrinking(w);
    w.type(F::immigr, QString::fromLatin1(row.immigr));
    w.type(F::emigr, QString::fromLatin1(row.emigr));
    w.m().calcola_Click();
    const Shown before = shown(w);
    w.m().riequilibra_Click(); // answered No
    if (row.asked) {
        ASSERT_EQ(w.messenger.shown.size(), 1);
        const Message expected{QStringLiteral("Attenzione: il riequilibro potrebbe essere troppo laborioso e "
                                              "bloccare il software. Continuare?"),
                               appGlobals().DataCheckTitle, Message::Icon::Question, Message::Buttons::YesNo,
                               Message::Answer::No};
        EXPECT_EQ(w.messenger.shown[0], expected);
        Shown after = shown(w);
        after.messages = before.messages;
        EXPECT_EQ(after, before);
    } else {
        EXPECT_TRUE(w.messenger.shown.isEmpty());
        EXPECT_EQ(w.m().passo(), Expected::kAfterRebalance);
    }
}

INSTANTIATE_TEST_SUITE_P(Riequilibra, RebalanceMigration, testing::ValuesIn(kMigrations), RowName());

TEST(Riequilibra, OutsideTheOfferedStateOnlyClosesTheGuidance)
{
    Window w;
    w.m().riequilibra_Click();
    EXPECT_TRUE(w.m().verificaEnabled());
    EXPECT_EQ(w.m().passo(), QStringLiteral("Ora puoi stampare i risultati direttamente in questa finestra, oppure "
                                            "procedere con il frontespizio per avere una relazione di calcolo "
                                            "completa."));
    EXPECT_EQ(w.m().numop(), QStringLiteral("0"));
}

namespace {

struct Climb {
    const char *name;
    const char *known;
    double step;
    friend void PrintTo(const Climb &row, std::ostream *os) { *os << row.known << " inhabitants"; }
};

// One year back gives 12254 and 252062 in the known field, and a backward
// result just below the typed inhabitants.
const Climb kClimbs[] = {{"StepsOfOne", "12300", 1}, {"StepsOfTwentyFive", "253000", 25}};

class RebalanceClimb : public testing::TestWithParam<Climb> {};

} // namespace

TEST_P(RebalanceClimb, InStepsOfOneTenThousandth)
{
    const Climb &row = GetParam();
    Window w;
    shrinking(w, QString::fromLatin1(row.known), QStringLiteral("2001"));
    w.m().calcola_Click();
    w.m().verifica_Click();
    const double start = number(w.m().text(F::abitnoti));
    const double saved = number(w.m().verification().knownInhabitants);
    ASSERT_LT(number(w.m().popolazione()), saved);
    ASSERT_TRUE(w.m().riequilibraEnabled());
    w.m().riequilibra_Click();
    const double end = number(w.m().text(F::abitnoti));
    const double step = std::max(1.0, std::floor(start / 10000));
    EXPECT_EQ(step, row.step);
    EXPECT_GT(end, start);
    EXPECT_EQ(std::fmod(end - start, step), 0);
    // It stops at the first backward result that reaches the typed inhabitants.
    EXPECT_GE(number(w.m().popolazione()), saved);
    Window check;
    shrinking(check, QString(), QStringLiteral("2001"));
    check.type(F::anno1, QStringLiteral("2001"));
    check.type(F::anno2, QStringLiteral("2000"));
    check.type(F::abitnoti, NumberReading::plainText(end - step));
    check.m().calcola_Click();
    EXPECT_LT(number(check.m().popolazione()), saved);
    EXPECT_TRUE(w.m().verificaEnabled());
    EXPECT_EQ(w.m().passo(), Expected::kAfterRebalance);
}

INSTANTIATE_TEST_SUITE_P(Riequilibra, RebalanceClimb, testing::ValuesIn(kClimbs), RowName());

TEST(Riequilibra, AfterAnUndoLowersTheStartUntilTheForwardResultFits)
{
    Window w;
    w.example(QStringLiteral("2010"), QStringLiteral("12"), QStringLiteral("2"));
    w.m().calcola_Click();
    w.m().verifica_Click();
    w.m().verifica_Click(); // undo when offered, else swap back: both run forwards
    if (!w.m().riequilibraEnabled() || w.m().verification().count != 1) {
        w.m().verifica_Click();
        w.m().verifica_Click();
    }
    ASSERT_EQ(w.m().verification().count, 1);
    const double saved = number(w.m().verification().knownInhabitants);
    w.m().riequilibra_Click();
    const double end = number(w.m().text(F::abitnoti));
    EXPECT_LE(number(w.m().popolazione()), saved);
    Window check;
    check.example(QStringLiteral("2010"), QStringLiteral("12"), QStringLiteral("2"));
    check.type(F::abitnoti, NumberReading::plainText(end + 1));
    check.m().calcola_Click();
    EXPECT_GT(number(check.m().popolazione()), saved);
}

// The quick search must leave exactly what the one-by-one loop leaves.
TEST(Riequilibra, ShortcutMatchesTheLiteralLoop)
{
    QRandomGenerator rng(20261207);
    int compared = 0;
    for (int trial = 0; trial < 60; ++trial) {
        const int start = 1990 + rng.bounded(20);
        const int years = 1 + rng.bounded(trial % 3 == 0 ? 60 : 15);
        const QString known = QString::number(rng.bounded(1, 40000));
        const QString fert = QStringLiteral("%1,%2").arg(rng.bounded(1, 3)).arg(rng.bounded(10));
        const QString imm = QString::number(rng.bounded(0, 30));
        const QString em = QString::number(rng.bounded(0, 30));
        const bool backward = trial % 2 == 1;
        const int share = 22 + rng.bounded(10);
        auto scenario = [&](Window &w) {
            w.fill(QString::number(backward ? start + years : start), known, fert, QStringLiteral("15"),
                   QStringLiteral("45"), QString::number(rng.bounded(2, 9)), QStringLiteral("79"), imm, em,
                   QString::number(backward ? start : start + years));
        };
        Window fast, literal;
        literal.m().setRebalanceShortcut(false);
        const quint32 seed = rng.generate();
        double before = 0;
        for (Window *w : {&fast, &literal}) {
            rng.seed(seed);
            scenario(*w);
            w->m().fields().setVScroll2(share);
            w->m().calcola_Click();
            w->m().verifica_Click();
            if (w->m().verification().count != 1) {
                w->m().verifica_Click();
            }
            before = number(w->m().text(F::abitnoti));
            w->m().riequilibra_Click();
        }
        EXPECT_EQ(shown(fast), shown(literal)) << "trial " << trial;
        // Count the trials where the loop took enough steps for the shortcut to jump.
        if (std::fabs(number(literal.m().text(F::abitnoti)) - before) >= 3)
            ++compared;
    }
    EXPECT_GT(compared, 20);
}

TEST(Riequilibra, ALongLoopCanBeCancelled)
{
    Window w;
    w.m().setRebalanceShortcut(false);
    qint64 calls = 0;
    w.m().setRebalanceProgress([&calls](qint64) { return ++calls < 3; });
    w.example(QStringLiteral("2010"), QStringLiteral("12"), QStringLiteral("2"));
    w.m().calcola_Click();
    w.m().verifica_Click();
    while (w.m().verification().count != 1)
        w.m().verifica_Click();
    const double start = number(w.m().text(F::abitnoti));
    w.m().riequilibra_Click();
    EXPECT_EQ(calls, 3);
    // Two literal steps ran after the first one, then the cancel.
    EXPECT_EQ(number(w.m().text(F::abitnoti)), start - 3);
    EXPECT_TRUE(w.m().verificaEnabled());
    EXPECT_EQ(w.m().passo(), Expected::kAfterRebalance);
}

namespace {

// Line 1 of a study: anno1, abitnoti, tassofert, pdf, iniziofert, finefert,
// mortinfanti, aspvita, immigr, emigr, anno2.
using StudyLine = std::array<const char *, 11>;

void typeStudy(Window &w, const StudyLine &line)
{
    w.fill(line[0], line[1], line[2], line[4], line[5], line[6], line[7], line[8], line[9], line[10]);
    w.m().setText(ProjectionModel::Field::pdf, QString::fromLatin1(line[3]));
}

// Calcola, Verifica, Riequilibra, as vicania-cli runs them.
void rebalanceStudy(Window &w, const StudyLine &line)
{
    typeStudy(w, line);
    w.m().calcola_Click();
    w.m().verifica_Click();
    ASSERT_EQ(w.m().verification().count, 1);
    w.messenger.answers.push_back(Message::Answer::Yes); // to heavy migration
    w.m().riequilibra_Click();
}

// Studies the quick search used to leave to the loop: one year in which
// almost everybody emigrates, and shares of women at the very limit of the
// women check, where rounding decides each step and every step is judged.
struct Irregular {
    const char *name;
    StudyLine line;
    friend void PrintTo(const Irregular &row, std::ostream *os) { *os << row.name; }
};

const Irregular kIrregular[] = {
    {"OneYearWhileNearlyEveryoneLeaves", {"2000", "10000", "10", "100", "15", "45", "5", "80", "3", "1000", "1999"}},
    {"WomenAtTheLimit", {"2000", "10000", "1,5", "50", "0", "0,5", "5", "0,5", "3", "3", "2002"}},
    {"WomenAtTheLimitFailingOnTheWay", {"2000", "99999999", "100", "25", "0", "25", "1000", "50", "3", "3", "2020"}},
};

class RebalanceIrregular : public testing::TestWithParam<Irregular> {};

// The study of the issue: women at the limit, a correction of millions of
// steps of one inhabitant.
const StudyLine kMillionSteps = {"2000", "10000000000", "0", "25", "0", "1", "0", "2", "0", "0", "2020"};

} // namespace

TEST_P(RebalanceIrregular, QuickSearchMatchesTheLiteralLoop)
{
    Window fast, literal;
    literal.m().setRebalanceShortcut(false);
    rebalanceStudy(fast, GetParam().line);
    rebalanceStudy(literal, GetParam().line);
    EXPECT_EQ(shown(fast), shown(literal));
    // The loop went far enough for the quick search to skip steps.
    Window start;
    typeStudy(start, GetParam().line);
    start.m().calcola_Click();
    start.m().verifica_Click();
    EXPECT_GE(std::fabs(number(literal.m().text(F::abitnoti)) - number(start.m().text(F::abitnoti))), 10);
}

INSTANTIATE_TEST_SUITE_P(Riequilibra, RebalanceIrregular, testing::ValuesIn(kIrregular), RowName());

TEST(Riequilibra, AMillionStepsGiveUpWhereTheLoopDidSayingWhy)
{
    Window w;
    rebalanceStudy(w, kMillionSteps);
    // What the literal loop left after its millionth attempt.
    EXPECT_EQ(w.m().text(F::abitnoti), QStringLiteral("1009538"));
    EXPECT_EQ(w.m().popolazione(), QStringLiteral("3356974407"));
    EXPECT_EQ(w.m().numop(), QStringLiteral("336000961"));
    EXPECT_EQ(w.messenger.texts(),
              QStringList{QStringLiteral(
                  "Il riequilibrio è stato interrotto dopo 1000000 tentativi senza raggiungere il numero di abitanti "
                  "di partenza: con questi dati la percentuale delle donne in età feconda è proprio al limite del "
                  "minimo ammesso, perciò ogni tentativo va calcolato per intero e non se ne possono fare di più. "
                  "Controlla i dati immessi.")});
    EXPECT_TRUE(w.m().verificaEnabled());
}

TEST(Riequilibra, ACancelledScanLeavesWhatTheCancelledLoopLeaves)
{
    Window fast, literal;
    literal.m().setRebalanceShortcut(false);
    qint64 asked = 0;
    fast.m().setRebalanceProgress([&asked](qint64 steps) {
        asked = steps;
        return false;
    });
    literal.m().setRebalanceProgress([&asked](qint64 steps) { return steps < asked; });
    rebalanceStudy(fast, kMillionSteps);
    ASSERT_GT(asked, 1);
    rebalanceStudy(literal, kMillionSteps);
    EXPECT_EQ(shown(fast), shown(literal));
}
