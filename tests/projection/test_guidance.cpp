// What each change of a field does: the guidance box, the median-age warning,
// the share of fertile women, the data check.
#include "core/AppGlobals.h"
#include "projection/ProjectionTexts.h"
#include "support/Scripted.h"

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
    EXPECT_EQ(w.m().pdf(), QStringLiteral("25"));
    EXPECT_EQ(w.m().VScroll2(), 40);
    EXPECT_EQ(w.m().numop(), QStringLiteral("0"));
    EXPECT_FALSE(w.m().verificaEnabled());
    EXPECT_FALSE(w.m().frontespizEnabled());
    EXPECT_TRUE(w.m().calcolaEnabled());
    EXPECT_TRUE(w.m().riequilibraEnabled());
    EXPECT_EQ(w.m().passo(), QStringLiteral("Apri un file archiviato oppure inizia digitando l'anno da cui partire "
                                            "e il numero degli abitanti relativo."));
    for (int i = 0; i < ProjectionModel::kFieldCount; ++i)
        EXPECT_TRUE(w.m().text(static_cast<F>(i)).isEmpty())
            << ProjectionModel::fieldName(static_cast<F>(i)).toStdString();
}

TEST(Guidance, PromptsForTheFirstEmptyFieldInWindowOrder)
{
    Window w;
    w.type(F::anno1, QStringLiteral("2000"));
    EXPECT_EQ(w.m().passo(), QStringLiteral("Adesso digita il numero degli abitanti, possibilmente già noto, su cui "
                                            "basare la stima verso l'anno finale."));
    // Typing a later field first does not skip the earlier prompt.
    w.type(F::anno2, QStringLiteral("2010"));
    EXPECT_EQ(w.m().passo(), ProjectionTexts::fieldPrompt(1));
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
    EXPECT_EQ(w.m().passo(), ProjectionTexts::fieldPrompt(8));
    w.type(F::emigr, QStringLiteral("1"));
    EXPECT_EQ(w.m().passo(), QStringLiteral("Clicca sul tasto 'Calcola' per visualizzare la griglia dei risultati "
                                            "riferiti a ogni anno del periodo, quindi sul tasto 'Verifica' per "
                                            "controllare e su 'Riequilibra' per adeguare il risultato alla più "
                                            "probabile realtà."));
    // A field holding only a space counts as filled.
    w.type(F::anno1, QStringLiteral(" "));
    EXPECT_EQ(w.m().passo(), ProjectionTexts::kReadyToCompute);
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
    EXPECT_EQ(w.m().gridCell(1, GridColumn::ann), QStringLiteral("2000"));
}

TEST(MedianAge, ComparesTextsNotNumbers)
{
    Window w;
    w.type(F::finefert, QStringLiteral("49"));
    w.type(F::aspvita, QStringLiteral("8"));
    w.type(F::aspvita, QStringLiteral("80"));
    EXPECT_TRUE(w.messenger.shown.isEmpty());

    w.type(F::aspvita, QStringLiteral("4"));
    ASSERT_EQ(w.messenger.shown.size(), 1);
    const Message &m = w.messenger.shown.front();
    EXPECT_EQ(m.text, kMedianAgeWarning);
    EXPECT_EQ(m.title, appGlobals().DataCheckTitle);
    EXPECT_EQ(m.icon, Message::Icon::Critical);
    EXPECT_EQ(m.buttons, Message::Buttons::Ok);
    w.type(F::aspvita, QStringLiteral("45"));
    w.type(F::aspvita, QStringLiteral("100"));
    w.type(F::aspvita, QString());
    EXPECT_EQ(w.messenger.shown.size(), 4);
    // The warned text stays in the field and the guidance is not updated.
    EXPECT_TRUE(w.m().text(F::aspvita).isEmpty());
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
    EXPECT_TRUE(w.m().LastImmigrationRate().isEmpty());
    EXPECT_FALSE(w.m().LastEmigrationRate());
    w.type(F::immigr, QStringLiteral("12"));
    w.type(F::emigr, QStringLiteral("4,5"));
    w.type(F::immigr, QStringLiteral("0"));
    w.type(F::emigr, QString());
    EXPECT_EQ(w.m().LastImmigrationRate(), QStringLiteral("12"));
    EXPECT_DOUBLE_EQ(*w.m().LastEmigrationRate(), -4.5);
}

TEST(Share, TheScrollBarWritesThePercentage)
{
    Window w;
    w.m().setVScroll2(39);
    EXPECT_EQ(w.m().pdf(), QStringLiteral("39"));
    w.m().setVScroll2(5);
    EXPECT_EQ(w.m().pdf(), QStringLiteral("10"));
    w.m().setVScroll2(99);
    EXPECT_EQ(w.m().pdf(), QStringLiteral("40"));
    EXPECT_EQ(w.m().passo(), ProjectionTexts::fieldPrompt(0));
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
    } rows[] = {{"80", " 21"}, {"70", " 25"}, {"80,9", " 21"}, {"175", " 10"}, {"-70", "-25"}};
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
    EXPECT_EQ(w.m().pdf(), QStringLiteral("25"));

    // A median age of 0 has no suggestion: a plain notice instead of a division by zero.
    w.messenger.shown.clear();
    w.type(F::aspvita, QStringLiteral("0"));
    w.m().avviso_Click();
    ASSERT_EQ(w.messenger.shown.size(), 1);
    EXPECT_FALSE(w.messenger.shown[0].text.contains(head));
}

TEST(FieldCaptions, ExplainTheirFieldOnMouseOver)
{
    EXPECT_EQ(ProjectionModel::labelloTooltip(1), QStringLiteral("L'anno da cui partire con la simulazione"));
    EXPECT_EQ(ProjectionModel::labelloTooltip(42), ProjectionModel::labelloTooltip(1));
    EXPECT_EQ(ProjectionModel::labelloTooltip(10), QStringLiteral("La percentuale di donne, sugli abitanti dell'anno, "
                                                                  "che hanno l'età (dai 14 ai 49 anni) per fecondare"));
    EXPECT_EQ(ProjectionModel::labelloTooltip(6), QStringLiteral("L'età media in cui si arriva alla morte nel luogo, "
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
