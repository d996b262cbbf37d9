#include "ProjectionInputs.h"

#include "ProjectionEngine.h"
#include "storage/StudyFile.h"

#include <algorithm>

namespace ProjectionInputs {

namespace {

using enum ProjectionInput;
constexpr double kMaxYear = 9999;

// clang-format off
constexpr std::array<Row, kCount> kRows = {{
    {.input = anno1, .name = "anno1", .focus = "anno1",
     .caption = "Anno di partenza",
     .prompt = "Digita l'anno da cui partire con la simulazione.",
     .captionTip = "L'anno da cui partire con la simulazione",
     .fieldTip = "Digita l'anno di partenza del calcolo e di cui si conosce il numero degli abitanti",
     .captionPlace = {120, 570, 1560, 300}, .fieldPlace = {1740, 555, 900, 300}, .barPlace = {},
     .required = true, .reading = Reading::Year, .lowest = -kMaxYear, .highest = kMaxYear, .filePosition = 0},
    // Named by Label10 beside it, not by a labello.
    {.input = abitnoti, .name = "abitnoti", .focus = "abitnoti",
     .caption = "Numero di abitanti nell'anno di partenza",
     .prompt = "Adesso digita il numero degli abitanti, possibilmente già noto, su cui basare la stima verso l'anno "
               "finale.",
     .captionTip = nullptr,
     .fieldTip = "Digita il dato di partenza sul numero degli abitanti",
     .captionPlace = {}, .fieldPlace = {120, 975, 900, 300}, .barPlace = {},
     .required = false, .reading = Reading::Leading, .lowest = 0, .highest = ProjectionEngine::kMaxKnown,
     .filePosition = 1},
    {.input = tassofert, .name = "tassofert", .focus = "tassofert",
     .caption = "Tasso di fecondità (%)",
     .prompt = "Digita il tasso di fecondità delle donne nel periodo della elaborazione e nel luogo cui si riferisce "
               "il calcolo. Prelevalo dai dati statistici più vicini alla realtà.",
     .captionTip = "Il tasso di fecondità totale (TFT), numero medio di figli per ogni donna in età fertile",
     .fieldTip = "Digita un numero con la virgola, se decimale, riferito alla media del periodo e nel luogo "
                 "considerato",
     .captionPlace = {120, 1425, 1560, 390}, .fieldPlace = {1740, 1470, 900, 300}, .barPlace = {},
     .required = true, .reading = Reading::Number, .lowest = 0, .highest = 1000, .filePosition = 2},
    {.input = iniziofert, .name = "iniziofert", .focus = "iniziofert",
     .caption = "Età inizio di procreazione",
     .prompt = "Digita l'anno da cui può partire, nel periodo, la fecondità femminile. Non meno di 14 anni.",
     .captionTip = "L'età in cui inizia, nel periodo, la procreazione femminile, ossia l'età media in cui si ha il "
                   "primo figlio",
     .fieldTip = "Digita un numero di anni, minimo 14",
     .captionPlace = {120, 1821, 1560, 390}, .fieldPlace = {1740, 1866, 900, 300}, .barPlace = {},
     .required = true, .reading = Reading::Number, .lowest = 0, .highest = 150, .filePosition = 4},
    {.input = finefert, .name = "finefert", .focus = "finefert",
     .caption = "Età di fine procreazione",
     .prompt = "Digita l'anno in cui si fa finire, nel periodo, la fecondità femminile. Non oltre 49 anni.",
     .captionTip = "L'età in cui finisce, nel periodo, la procreazione femminile, ossia l'età media in cui si ha "
                   "l'ultimo figlio",
     .fieldTip = "Digita un numero di anni, massimo 49, ma si consideri il massimo per il periodo e il luogo",
     .captionPlace = {120, 2217, 1560, 390}, .fieldPlace = {1740, 2262, 900, 300}, .barPlace = {},
     .required = true, .reading = Reading::Number, .lowest = 0, .highest = 150, .filePosition = 5},
    {.input = mortinfanti, .name = "mortinfanti", .focus = "mortinfanti",
     .caption = "Mortalità infantile su 1000",
     .prompt = "Digita la mortalità infantile espressa in numero di morti, entro i primi cinque anni di età, ogni "
               "1000 nati vivi.",
     .captionTip = "La mortalità infantile, ossia il numero dei figli che muoiono entro i primi anni di vita, ogni "
                   "1000 nati vivi",
     .fieldTip = "Digita un numero dedotto dai dati statistici più vicini alla realtà del periodo e del luogo",
     .captionPlace = {120, 2613, 1560, 390}, .fieldPlace = {1740, 2658, 900, 300}, .barPlace = {},
     .required = true, .reading = Reading::Number, .lowest = 0, .highest = 1000, .filePosition = 6},
    {.input = aspvita, .name = "aspvita", .focus = "aspvita",
     .caption = "Età mediana di morte",
     .prompt = "Digita l'età mediana di morte che corrisponde alla vita media degli abitanti dopo aver superato il "
               "limite della mortalità infantile. La simulazione calcola da sé quanti abitanti restano in vita.",
     .captionTip = "L'età media in cui si arriva alla morte nel luogo, superata l'età della mortalità infantile",
     .fieldTip = "Digita un numero, con la virgola per i decimale, dedotto dai dati statistici o più verosimile per "
                 "il periodo e il luogo considerati",
     .captionPlace = {120, 3009, 1560, 390}, .fieldPlace = {1740, 3054, 900, 300}, .barPlace = {},
     .required = true, .reading = Reading::Number, .lowest = 0, .highest = 150, .filePosition = 7},
    {.input = immigr, .name = "immigr", .focus = "immigr",
     .caption = "Immigrazione x 1000",
     .prompt = "Digita il tasso di immigrati annuo rispetto alla popolazione, se non lo hai, lascia in bianco la "
               "casella, a meno che non sia un dato molto rilevante.",
     .captionTip = "Il tasso di immigrazione, ossia la percentuale degli abitanti che è aumentata dagli immigrati",
     .fieldTip = "Digita un numero intero, su ogni 1000 abitanti, oppure lasciare in bianco",
     .captionPlace = {120, 3405, 1560, 390}, .fieldPlace = {1740, 3450, 900, 300}, .barPlace = {},
     .required = false, .reading = Reading::Number, .lowest = 0, .highest = 1000, .filePosition = 8},
    {.input = emigr, .name = "emigr", .focus = "emigr",
     .caption = "Emigrazione x 1000",
     .prompt = "Digita il tasso di emigrati annuo rispetto alla popolazione, se non lo hai, lascia in bianco la "
               "casella, a meno che non sia un dato molto rilevante.",
     .captionTip = "Il tasso di emigrazione, ossia la percentuale degli abitanti che è diminuita dagli emigrati",
     .fieldTip = "Digita un numero intero, su 1000 abitanti, oppure lasciare in bianco",
     .captionPlace = {120, 3801, 1560, 390}, .fieldPlace = {1740, 3846, 900, 300}, .barPlace = {},
     .required = false, .reading = Reading::Number, .lowest = 0, .highest = 1000, .filePosition = 9},
    {.input = anno2, .name = "anno2", .focus = "anno2",
     .caption = "Anno di arrivo",
     .prompt = "Adesso basta digitare l'anno finale della simulazione, ossia quello nei cui confronti vuoi sapere il "
               "risultato del calcolo.",
     .captionTip = "L'anno per il quale si sta simulando il risultato del calcolo",
     .fieldTip = "Digita l'anno cui si riferisce il calcolo dall'anno di partenza",
     .captionPlace = {120, 4320, 1560, 300}, .fieldPlace = {1740, 4320, 900, 300}, .barPlace = {},
     .required = true, .reading = Reading::Year, .lowest = -kMaxYear, .highest = kMaxYear, .filePosition = 10},
    // Shown by the label pdf, chosen with the scroll bar VScroll2, which
    // messages about it give the focus to.
    {.input = pdf, .name = "pdf", .focus = "VScroll2",
     .caption = "Donne in età feconda (% sulla popolazione)",
     .prompt = nullptr,
     .captionTip = "La percentuale di donne, sugli abitanti dell'anno, che hanno l'età (dai 14 ai 49 anni) per "
                   "fecondare",
     .fieldTip = "Scegli il valore con la barra di scorrimento verticale",
     .captionPlace = {120, 4710, 1560, 600}, .fieldPlace = {1740, 4770, 480, 300}, .barPlace = {2280, 4710, 255, 600},
     .required = false, .reading = Reading::Chosen, .lowest = 0, .highest = 100, .filePosition = 3},
}};
// clang-format on

constexpr bool rowsInOrder()
{
    std::array<bool, kCount> positionTaken{};
    for (int i = 0; i < kCount; ++i) {
        const Row &r = kRows[std::size_t(i)];
        if (static_cast<int>(r.input) != i || r.filePosition < 0 || r.filePosition >= kCount ||
            positionTaken[std::size_t(r.filePosition)])
            return false;
        positionTaken[std::size_t(r.filePosition)] = true;
    }
    return true;
}
static_assert(rowsInOrder(), "one row per input, in enum order, each at its own file position");

constexpr std::array<ProjectionInput, kCount> fileOrder()
{
    std::array<ProjectionInput, kCount> order{};
    for (const Row &r : kRows)
        order[std::size_t(r.filePosition)] = r.input;
    return order;
}
constexpr std::array<ProjectionInput, kCount> kFileOrder = fileOrder();

QString text(const char *utf8)
{
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

} // namespace

const std::array<Row, kCount> &rows()
{
    return kRows;
}

const Row &row(ProjectionInput input)
{
    return kRows[index(input)];
}

const std::array<ProjectionInput, kCount> &inFileOrder()
{
    return kFileOrder;
}

QString name(ProjectionInput input)
{
    return QString::fromLatin1(row(input).name);
}

QString caption(ProjectionInput input)
{
    return text(row(input).caption);
}

QString prompt(ProjectionInput input)
{
    return text(row(input).prompt);
}

QString focusControl(ProjectionInput input)
{
    return QString::fromLatin1(row(input).focus);
}

int labelloCount()
{
    return static_cast<int>(std::count_if(kRows.begin(), kRows.end(), [](const Row &r) { return r.captionTip; }));
}

ProjectionInput labelloInput(int labello)
{
    for (const Row &r : kRows) {
        if (r.captionTip && --labello == 0)
            return r.input;
    }
    return ProjectionInput::anno1;
}

QString labelloTooltip(int labello)
{
    // Any number not listed explains the start year, as the window always did.
    if (labello < 1 || labello > labelloCount())
        labello = 1;
    return text(row(labelloInput(labello)).captionTip);
}

QString &inRecord(StudyRecord &record, ProjectionInput input)
{
    return record.inputs[std::size_t(row(input).filePosition)];
}

const QString &inRecord(const StudyRecord &record, ProjectionInput input)
{
    return record.inputs[std::size_t(row(input).filePosition)];
}

} // namespace ProjectionInputs
