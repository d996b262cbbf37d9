#include "ProjectionTexts.h"

#include <QStringList>

#include <array>

namespace ProjectionTexts {

namespace {

template <std::size_t N> QString pick(const std::array<const char *, N> &texts, int i)
{
    if (i < 0 || i >= static_cast<int>(N))
        return QString();
    return QString::fromUtf8(texts[static_cast<std::size_t>(i)]);
}

constexpr std::array<const char *, 11> kCaptions = {"Anno di partenza",
                                                    "Numero di abitanti nell'anno di partenza",
                                                    "Tasso di fecondità (%)",
                                                    "Età inizio di procreazione",
                                                    "Età di fine procreazione",
                                                    "Mortalità infantile su 1000",
                                                    "Età mediana di morte",
                                                    "Immigrazione x 1000",
                                                    "Emigrazione x 1000",
                                                    "Anno di arrivo",
                                                    "Donne in età feconda (% sulla popolazione)"};

constexpr std::array<const char *, 10> kPrompts = {
    "Digita l'anno da cui partire con la simulazione.",
    "Adesso digita il numero degli abitanti, possibilmente già noto, su cui basare la stima verso l'anno "
    "finale.",
    "Digita il tasso di fecondità delle donne nel periodo della elaborazione e nel luogo cui si riferisce il "
    "calcolo. Prelevalo dai dati statistici più vicini alla realtà.",
    "Digita l'anno da cui può partire, nel periodo, la fecondità femminile. Non meno di 14 anni.",
    "Digita l'anno in cui si fa finire, nel periodo, la fecondità femminile. Non oltre 49 anni.",
    "Digita la mortalità infantile espressa in numero di morti, entro i primi cinque anni di età, ogni 1000 "
    "nati vivi.",
    "Digita l'età mediana di morte che corrisponde alla vita media degli abitanti dopo aver superato il "
    "limite della mortalità infantile. La simulazione calcola da sé quanti abitanti restano in vita.",
    "Digita il tasso di immigrati annuo rispetto alla popolazione, se non lo hai, lascia in bianco la "
    "casella, a meno che non sia un dato molto rilevante.",
    "Digita il tasso di emigrati annuo rispetto alla popolazione, se non lo hai, lascia in bianco la "
    "casella, a meno che non sia un dato molto rilevante.",
    "Adesso basta digitare l'anno finale della simulazione, ossia quello nei cui confronti vuoi sapere il "
    "risultato del calcolo."};

constexpr std::array<const char *, 10> kExplanations = {
    "L'anno da cui partire con la simulazione",
    "Il tasso di fecondità totale (TFT), numero medio di figli per ogni donna in età fertile",
    "L'età in cui inizia, nel periodo, la procreazione femminile, ossia l'età media in cui si ha il primo "
    "figlio",
    "L'età in cui finisce, nel periodo, la procreazione femminile, ossia l'età media in cui si ha l'ultimo "
    "figlio",
    "La mortalità infantile, ossia il numero dei figli che muoiono entro i primi anni di vita, ogni 1000 "
    "nati vivi",
    "L'età media in cui si arriva alla morte nel luogo, superata l'età della mortalità infantile",
    "Il tasso di immigrazione, ossia la percentuale degli abitanti che è aumentata dagli immigrati",
    "Il tasso di emigrazione, ossia la percentuale degli abitanti che è diminuita dagli emigrati",
    "L'anno per il quale si sta simulando il risultato del calcolo",
    "La percentuale di donne, sugli abitanti dell'anno, che hanno l'età (dai 14 ai 49 anni) per fecondare"};

constexpr std::array<const char *, 10> kFieldTooltips = {
    "Digita l'anno di partenza del calcolo e di cui si conosce il numero degli abitanti",
    "Digita il dato di partenza sul numero degli abitanti",
    "Digita un numero con la virgola, se decimale, riferito alla media del periodo e nel luogo considerato",
    "Digita un numero di anni, minimo 14",
    "Digita un numero di anni, massimo 49, ma si consideri il massimo per il periodo e il luogo",
    "Digita un numero dedotto dai dati statistici più vicini alla realtà del periodo e del luogo",
    "Digita un numero, con la virgola per i decimale, dedotto dai dati statistici o più verosimile per il "
    "periodo e il luogo considerati",
    "Digita un numero intero, su ogni 1000 abitanti, oppure lasciare in bianco",
    "Digita un numero intero, su 1000 abitanti, oppure lasciare in bianco",
    "Digita l'anno cui si riferisce il calcolo dall'anno di partenza"};

} // namespace

QString fieldCaption(int field)
{
    return pick(kCaptions, field);
}

QString labelloCaption(int index)
{
    // labello(i) names the fields in window order, skipping the known
    // inhabitants (named by the label beside them); labello(10) is the share.
    if (index < 1 || index > 10)
        return QString();
    return fieldCaption(index == 1 ? 0 : index);
}

QString fieldPrompt(int field)
{
    return pick(kPrompts, field);
}

QString labelloTooltip(int index)
{
    // Any index not listed explains the start year.
    if (index < 1 || index > 10)
        index = 1;
    return pick(kExplanations, index - 1);
}

QString fieldTooltip(int field)
{
    return pick(kFieldTooltips, field);
}

QString rebalancing(qint64 steps)
{
    return QStringLiteral("Riequilibrio in corso: %1 tentativi eseguiti...").arg(steps);
}

QString help()
{
    return QStringList{
        QStringLiteral("- Aprire un file archiviato per prelevare i dati;"),
        QStringLiteral("- digitare i dati seguendo le indicazioni della casella gialla posta in alto;"),
        QStringLiteral("- digitare i decimali usando la virgola;"),
        QStringLiteral("- visualizzare gli anni successivi con la barra di scorrimento verticale;"),
        QStringLiteral("- evidenziare i risultati spostando il mouse sul numero dell'anno corrispondente;"),
        QStringLiteral("- effettuare il controllo del risultato cliccando sul tasto 'Verifica';"),
        QStringLiteral("- riequilibrare il risultato, con un calcolo a ritroso, cliccando sul tasto 'Riequilibra';"),
        QStringLiteral("- visualizzare l'uso dei tasti fermando il puntatore del mouse su di essi.")}
        .join(u'\r');
}

} // namespace ProjectionTexts
