// What each change of a field does: the guidance box, the median-age warning,
// the share of fertile women, the data check.
#include "core/AppGlobals.h"
#include "support/Cases.h"
#include "support/Scripted.h"
#include "support/Texts.h"

#include <gtest/gtest.h>

using F = ProjectionModel::Field;

namespace {

const QString kMedianAgeWarning = QStringLiteral(
    "Attenzione: la vita mediana di morte non può essere inferire all'età finale di procreazione. Modificare i "
    "dati.");

} // namespace

TEST(Opening, StartsWithShare25CounterZeroAndTheOpeningPrompt)
{
    Window w;
    EXPECT_EQ(w.m().text(ProjectionModel::Field::pdf), QStringLiteral("25"));
    EXPECT_EQ(w.m().fields().VScroll2(), 25);
    EXPECT_EQ(w.m().numop(), QStringLiteral("0"));
    EXPECT_FALSE(w.m().verificaEnabled());
    EXPECT_FALSE(w.m().frontespizEnabled());
    EXPECT_TRUE(w.m().calcolaEnabled());
    EXPECT_TRUE(w.m().riequilibraEnabled());
    EXPECT_EQ(w.m().passo(), QStringLiteral("Apri un file archiviato oppure inizia digitando l'anno da cui partire "
                                            "e il numero degli abitanti relativo."));
    for (int i = 0; i < ProjectionInputs::kTypedCount; ++i)
        EXPECT_TRUE(w.m().text(static_cast<F>(i)).isEmpty()) << ProjectionInputs::name(static_cast<F>(i)).toStdString();
}

TEST(Guidance, PromptsForTheFirstEmptyFieldInWindowOrder)
{
    Window w;
    w.type(F::anno1, QStringLiteral("2000"));
    EXPECT_EQ(w.m().passo(), QStringLiteral("Adesso digita il numero degli abitanti, possibilmente già noto, su cui "
                                            "basare la stima verso l'anno finale."));
    // Typing a later field first does not skip the earlier prompt.
    w.type(F::anno2, QStringLiteral("2010"));
    EXPECT_EQ(w.m().passo(), ProjectionInputs::prompt(ProjectionInputs::at(1)));
    w.type(F::abitnoti, QStringLiteral("10000"));
    EXPECT_EQ(w.m().passo(), QStringLiteral("Digita il tasso di fecondità delle donne nel periodo della "
                                            "elaborazione e nel luogo cui si riferisce il calcolo. Prelevalo dai "
                                            "dati statistici più vicini alla realtà."));
    w.type(F::tassofert, QStringLiteral("1,5"));
    w.type(F::iniziofert, QStringLiteral("14"));
    w.type(F::finefert, QStringLiteral("49"));
    w.type(F::mortinfanti, QStringLiteral("5"));
    w.type(F::aspvita, QStringLiteral("80"));
    // The optional immigration field still wins while empty.
    EXPECT_EQ(w.m().passo(), QStringLiteral("Digita il tasso di immigrati annuo rispetto alla popolazione, se non lo "
                                            "hai, lascia in bianco la casella, a meno che non sia un dato molto "
                                            "rilevante."));
    w.type(F::immigr, QStringLiteral("2"));
    EXPECT_EQ(w.m().passo(), ProjectionInputs::prompt(ProjectionInputs::at(8)));
    w.type(F::emigr, QStringLiteral("1"));
    EXPECT_EQ(w.m().passo(), QStringLiteral("Clicca sul tasto 'Calcola' per visualizzare la griglia dei risultati "
                                            "riferiti a ogni anno del periodo, quindi sul tasto 'Verifica' per "
                                            "controllare e su 'Riequilibra' per adeguare il risultato alla più "
                                            "probabile realtà."));
    // A field holding only a space counts as filled.
    w.type(F::anno1, QStringLiteral(" "));
    EXPECT_EQ(w.m().passo(), Expected::kReadyToCompute);
    w.type(F::anno1, QString());
    EXPECT_EQ(w.m().passo(), QStringLiteral("Digita l'anno da cui partire con la simulazione."));
}

TEST(Guidance, AnyChangeEmptiesTheResultAndReenablesCalcola)
{
    Window w;
    w.example();
    w.m().calcola_Click();
    ASSERT_EQ(w.m().popolazione(), QStringLiteral("9982"));
    EXPECT_TRUE(w.m().frontespizEnabled());
    w.type(F::mortinfanti, QStringLiteral("6"));
    EXPECT_TRUE(w.m().popolazione().isEmpty());
    EXPECT_FALSE(w.m().frontespizEnabled());
    EXPECT_TRUE(w.m().calcolaEnabled());
    // The table stays until the next calculation.
    EXPECT_EQ(w.m().grid().gridCell(1, GridColumn::ann), QStringLiteral("2000"));
}

TEST(MedianAge, WaitsUntilTheFieldIsLeftAndComparesNumbers)
{
    Window w;
    w.type(F::finefert, QStringLiteral("49"));
    for (const char *typed : {"1", "10", "100"})
        w.m().typeText(F::aspvita, QString::fromLatin1(typed));
    w.m().leaveField(F::aspvita);
    EXPECT_TRUE(w.messenger.shown.isEmpty());
    EXPECT_EQ(w.m().text(F::aspvita), QStringLiteral("100"));

    w.m().typeText(F::aspvita, QStringLiteral("3"));
    w.m().typeText(F::aspvita, QStringLiteral("30"));
    EXPECT_TRUE(w.messenger.shown.isEmpty());
    w.m().leaveField(F::aspvita);
    ASSERT_EQ(w.messenger.shown.size(), 1);
    const Message &m = w.messenger.shown.front();
    EXPECT_EQ(m.text, kMedianAgeWarning);
    EXPECT_EQ(m.title, appGlobals().DataCheckTitle);
    EXPECT_EQ(m.icon, Message::Icon::Critical);
    EXPECT_EQ(m.buttons, Message::Buttons::Ok);
    // Left again unchanged: told once is enough; Calcola tells again.
    w.m().leaveField(F::aspvita);
    EXPECT_EQ(w.messenger.shown.size(), 1);
}

TEST(MedianAge, AValueWrittenByTheProgramIsCheckedAtOnce)
{
    // As a study opened with it: the message comes without leaving the field.
    Window w;
    w.type(F::finefert, QStringLiteral("49"));
    w.type(F::aspvita, QStringLiteral("100"));
    EXPECT_TRUE(w.messenger.shown.isEmpty());
    w.type(F::aspvita, QStringLiteral("45,5"));
    ASSERT_EQ(w.messenger.shown.size(), 1);
    EXPECT_EQ(w.messenger.shown[0].text, kMedianAgeWarning);
    w.type(F::aspvita, QStringLiteral("49"));
    w.type(F::aspvita, QString()); // emptied: the guidance asks for it
    EXPECT_EQ(w.messenger.shown.size(), 1);
}

TEST(MedianAge, AWarningLeavesTheGuidanceAndResultAlone)
{
    Window w;
    w.example();
    w.m().calcola_Click();
    const QString guidance = w.m().passo();
    w.type(F::aspvita, QStringLiteral("45"));
    EXPECT_EQ(w.m().passo(), guidance);
    EXPECT_EQ(w.m().popolazione(), QStringLiteral("9982"));
}

TEST(MigrationRates, RememberTheLastNonZeroValues)
{
    Window w;
    EXPECT_TRUE(w.m().fields().LastImmigrationRate().isEmpty());
    EXPECT_FALSE(w.m().fields().LastEmigrationRate());
    w.type(F::immigr, QStringLiteral("12"));
    w.type(F::emigr, QStringLiteral("4,5"));
    w.type(F::immigr, QStringLiteral("0"));
    w.type(F::emigr, QString());
    EXPECT_EQ(w.m().fields().LastImmigrationRate(), QStringLiteral("12"));
    EXPECT_DOUBLE_EQ(*w.m().fields().LastEmigrationRate(), -4.5);
}

TEST(Share, TheScrollBarWritesThePercentage)
{
    Window w;
    w.m().fields().setVScroll2(24);
    EXPECT_EQ(w.m().text(ProjectionModel::Field::pdf), QStringLiteral("24"));
    w.m().fields().setVScroll2(5);
    EXPECT_EQ(w.m().text(ProjectionModel::Field::pdf), QStringLiteral("10"));
    w.m().fields().setVScroll2(99);
    EXPECT_EQ(w.m().text(ProjectionModel::Field::pdf), QStringLiteral("40"));
    EXPECT_EQ(w.m().passo(), ProjectionInputs::prompt(ProjectionInputs::at(0)));
}

TEST(Share, SuggestionFromTheMedianAge)
{
    Window w;
    w.m().avviso_Click();
    ASSERT_EQ(w.messenger.shown.size(), 1);
    EXPECT_EQ(w.messenger.shown[0].text, QStringLiteral("Qui si suggerisce il valore della percentuale di donne in età "
                                                        "feconda dopo aver inserito la vita mediana di morte."));
    EXPECT_EQ(w.messenger.shown[0].icon, Message::Icon::Information);

    const QString head = QStringLiteral("La percentuale media (sulla popolazione), di donne in età feconda, in base "
                                        "all'età mediana di morte, dovrebbe essere");
    const QString tail = QStringLiteral("%. Puoi comunque lasciare il valore immesso.");
    const struct {
        const char *age;
        const char *share;
    } rows[] = {{"80", " 22"}, {"70", " 25"}, {"80,9", " 22"}, {"175", " 10"}, {"300", " 10"}};
    // One window for all the ages, as a user tries them in turn.
    for (const auto &row : rows) {
        SCOPED_TRACE(row.age);
        w.messenger.shown.clear();
        w.type(F::aspvita, QString::fromUtf8(row.age));
        w.m().avviso_Click();
        EXPECT_FALSE(w.messenger.shown.isEmpty());
        if (w.messenger.shown.isEmpty())
            continue;
        EXPECT_EQ(w.messenger.shown.back().text, head + QString::fromUtf8(row.share) + tail);
        EXPECT_EQ(w.messenger.shown.back().title, appGlobals().DataCheckTitle);
    }
    EXPECT_EQ(w.m().text(ProjectionModel::Field::pdf), QStringLiteral("25"));

    // A median age of 0 or below has no suggestion: a plain notice instead.
    for (const char *age : {"0", "-70"}) {
        w.messenger.shown.clear();
        w.type(F::aspvita, QString::fromLatin1(age));
        w.m().avviso_Click();
        ASSERT_FALSE(w.messenger.shown.isEmpty());
        EXPECT_FALSE(w.messenger.shown.back().text.contains(head)) << age;
    }
}

namespace {

// Typed ages and the share the "?" suggests: the smallest whole percent that
// passes the women check, 50 x F / A rounded up, exact bounds included.
struct Suggested {
    const char *name;
    const char *begin, *end, *age;
    int share;
};

const Suggested kSuggested[] = {
    {"Span35Age80", "14", "49", "80", 22},           {"Span35Age70OnTheBound", "14", "49", "70", 25},
    {"Span30Age75OnTheBound", "15", "45", "75", 20}, {"Span35Age87AndAHalf", "14", "49", "87,5", 20},
    {"Span42Age84OnTheBound", "7", "49", "84", 25},  {"Span24Age100", "20", "44", "100", 12},
    {"Span36Age62", "13", "49", "62", 30},           {"Span26Age150AtTheBarsFoot", "14", "40", "150", 10},
};

class Suggestion : public testing::TestWithParam<Suggested> {};

} // namespace

TEST_P(Suggestion, PassesTheWomenCheckAndOneLessDoesNot)
{
    const Suggested &row = GetParam();
    Window w;
    w.example(QStringLiteral("2040"));
    w.type(F::iniziofert, QString::fromLatin1(row.begin));
    w.type(F::finefert, QString::fromLatin1(row.end));
    w.type(F::aspvita, QString::fromLatin1(row.age));
    w.m().avviso_Click();
    ASSERT_EQ(w.messenger.shown.size(), 1);
    EXPECT_TRUE(w.messenger.shown[0].text.contains(QStringLiteral(" %1%.").arg(row.share)))
        << w.messenger.shown[0].text.toStdString();
    w.messenger.shown.clear();
    w.m().fields().setVScroll2(row.share);
    w.m().calcola_Click();
    EXPECT_TRUE(w.messenger.shown.isEmpty());
    EXPECT_FALSE(w.m().popolazione().isEmpty());
    if (row.share > InputFields::kShareMinimum) {
        w.m().fields().setVScroll2(row.share - 1);
        w.m().calcola_Click();
        ASSERT_EQ(w.messenger.shown.size(), 1);
        EXPECT_EQ(w.messenger.shown[0].text, QStringLiteral("Attenzione: la percentuale delle donne in età feconda è "
                                                            "troppa bassa rispetto agli abitanti! Aumentarla."));
    }
}

INSTANTIATE_TEST_SUITE_P(Share, Suggestion, testing::ValuesIn(kSuggested), RowName());

namespace {

// A data message and the control it names, which the window then focuses.
struct About {
    const char *name;
    void (*change)(Window &w);
    const char *control;
};

const About kAbout[] = {
    {"MissingTargetYear", [](Window &w) { w.type(F::anno2, QString()); }, "anno2"},
    {"FertilityInWords", [](Window &w) { w.type(F::tassofert, QStringLiteral("uno")); }, "tassofert"},
    {"FertilityEndingAtItsStart", [](Window &w) { w.type(F::finefert, QStringLiteral("14")); }, "finefert"},
    {"MedianAgeBelowIt", [](Window &w) { w.m().typeText(F::aspvita, QStringLiteral("30")); }, "aspvita"},
    {"EqualYears", [](Window &w) { w.type(F::anno2, QStringLiteral("2000")); }, "anno2"},
    {"TooFewWomen", [](Window &w) { w.m().fields().setVScroll2(10); }, "VScroll2"},
};

class DataMessage : public testing::TestWithParam<About> {};

} // namespace

TEST_P(DataMessage, NamesTheControlItIsAbout)
{
    Window w;
    w.example(QStringLiteral("2010"));
    GetParam().change(w);
    QStringList named;
    QObject::connect(w.model, &ProjectionModel::messageAbout, [&named](const QString &c) { named << c; });
    w.m().calcola_Click();
    EXPECT_EQ(w.messenger.shown.size(), 1);
    EXPECT_EQ(named, QStringList{QString::fromLatin1(GetParam().control)});
}

INSTANTIATE_TEST_SUITE_P(Calcola, DataMessage, testing::ValuesIn(kAbout), RowName());

TEST(FieldCaptions, ExplainTheirFieldOnMouseOver)
{
    EXPECT_EQ(ProjectionInputs::labelloTooltip(1), QStringLiteral("L'anno da cui partire con la simulazione"));
    EXPECT_EQ(ProjectionInputs::labelloTooltip(42), ProjectionInputs::labelloTooltip(1));
    EXPECT_EQ(ProjectionInputs::labelloTooltip(10),
              QStringLiteral("La percentuale di donne, sugli abitanti dell'anno, "
                             "che hanno l'età (dai 14 ai 49 anni) per fecondare"));
    EXPECT_EQ(ProjectionInputs::labelloTooltip(6), QStringLiteral("L'età media in cui si arriva alla morte nel luogo, "
                                                                  "superata l'età della mortalità infantile"));
}

TEST(DataCheck, OnlyTellsWhetherAResultIsShown)
{
    Window w;
    w.example();
    w.m().calcola_Click();
    w.m().controlladati_Click();
    w.type(F::anno2, QStringLiteral("2002"));
    w.m().controlladati_Click();
    ASSERT_EQ(w.messenger.shown.size(), 2);
    EXPECT_EQ(w.messenger.shown[0].text,
              QStringLiteral("I dati immessi sono formalmente corretti: ricorda che sono solo "
                             "numeri e occorre la virgola per i decimali. Segui le istruzioni "
                             "nella casella gialla in alto alla pagina."));
    EXPECT_EQ(w.messenger.shown[0].icon, Message::Icon::Information);
    EXPECT_EQ(w.messenger.shown[1].text, QStringLiteral("Occorre inserire i dati indicati nella casella gialla in alto "
                                                        "alla pagina, prima di poter passare al calcolo o "
                                                        "all'archiviazione di tutti i dati."));
    EXPECT_EQ(w.messenger.shown[1].icon, Message::Icon::Critical);
    EXPECT_EQ(w.messenger.shown[1].title, appGlobals().DataCheckTitle);
}

TEST(Notifications, OneChangeSignalPerHandler)
{
    Window w;
    int changes = 0;
    QObject::connect(w.model, &ProjectionModel::changed, [&changes] { ++changes; });
    w.example(QStringLiteral("2100"));
    EXPECT_EQ(changes, 10);
    changes = 0;
    w.m().calcola_Click();
    EXPECT_EQ(changes, 1);
}
