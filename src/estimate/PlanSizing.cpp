#include "PlanSizing.h"

#include "NumberReading.h"
#include "storage/StudySizing.h"

#include <QLocale>
#include <cmath>

namespace PlanSizing {

namespace {

// Counts and figures are bounded, so every product below fits in 128 bits.
__extension__ using Wide = __int128;

constexpr double kMostPeople = 1e10;

const std::array<InputRow, kInputCount> kRows = {{
    {Input::famiglia, "famiglia", "Componenti per famiglia nell'anno di partenza", "componenti", nullptr, false, 0.5,
     20},
    {Input::variazione, "variazione", "Variazione annua dei componenti per famiglia", "componenti all'anno", "0", false,
     -1, 1},
    {Input::sfitto, "sfitto", "Abitazioni non occupate per la mobilità", "%", "5", false, 0, 50},
    {Input::pregresso, "pregresso", "Fabbisogno pregresso di abitazioni", "abitazioni", "0", false, 0, 1e7},
    {Input::volume, "volume", "Volume residenziale per abitante", "m³ per abitante", "80", true, 0, 1000},
    {Input::volume_connesso, "volume_connesso", "Volume per destinazioni connesse con la residenza", "m³ per abitante",
     "20", true, 0, 1000},
    {Input::std_istruzione, "std_istruzione", "Standard per l'istruzione", "m² per abitante", "4,50", true, 0, 100},
    {Input::std_interesse, "std_interesse", "Standard per le attrezzature di interesse comune", "m² per abitante",
     "2,00", true, 0, 100},
    {Input::std_verde, "std_verde", "Standard per il verde, il gioco e lo sport", "m² per abitante", "9,00", true, 0,
     100},
    {Input::std_parcheggi, "std_parcheggi", "Standard per i parcheggi", "m² per abitante", "2,50", true, 0, 100},
    {Input::esist_istruzione, "esist_istruzione", "Aree esistenti per l'istruzione", "m²", "0", false, 0, 1e10},
    {Input::esist_interesse, "esist_interesse", "Aree esistenti per le attrezzature di interesse comune", "m²", "0",
     false, 0, 1e10},
    {Input::esist_verde, "esist_verde", "Aree esistenti per il verde, il gioco e lo sport", "m²", "0", false, 0, 1e10},
    {Input::esist_parcheggi, "esist_parcheggi", "Aree esistenti per i parcheggi", "m²", "0", false, 0, 1e10},
}};

constexpr std::array<Input, kCategories> kStandards = {Input::std_istruzione, Input::std_interesse, Input::std_verde,
                                                       Input::std_parcheggi};
constexpr std::array<Input, kCategories> kProvided = {Input::esist_istruzione, Input::esist_interesse,
                                                      Input::esist_verde, Input::esist_parcheggi};

// num ÷ den rounded half up, for num ≥ 0 and den > 0.
qint64 rounded(Wide num, Wide den)
{
    return qint64((2 * num + den) / (2 * den));
}

QString bound(double value)
{
    return QLocale(QLocale::Italian).toString(value, 'f', value == std::floor(value) ? 0 : 2);
}

// The value in thousandths; the inputs are checked first.
qint64 thousandths(const Inputs &inputs, Input input)
{
    return std::llround(*NumberReading::italianNumber(inputs.text(input)) * 1000);
}

} // namespace

const std::array<InputRow, kInputCount> &rows()
{
    return kRows;
}

const InputRow &row(Input input)
{
    return kRows[std::size_t(input)];
}

std::optional<Input> byKey(const QString &key)
{
    for (const InputRow &r : kRows) {
        if (key == QLatin1String(r.key))
            return r.input;
    }
    return std::nullopt;
}

QString categoryName(int category)
{
    static const std::array<const char *, kCategories> names = {"istruzione", "attrezzature di interesse comune",
                                                                "verde, gioco e sport", "parcheggi"};
    return QString::fromUtf8(names[std::size_t(category)]);
}

QString Inputs::text(Input input) const
{
    const QString &t = typed[std::size_t(input)];
    if (!t.trimmed().isEmpty() || !row(input).national)
        return t.trimmed();
    return QString::fromUtf8(row(input).national);
}

std::optional<QString> refusal(const Inputs &inputs)
{
    for (const InputRow &r : kRows) {
        const QString caption = QString::fromUtf8(r.caption);
        const QString text = inputs.text(r.input);
        if (text.isEmpty())
            return QStringLiteral("Manca il dato «%1».").arg(caption);
        const auto value = NumberReading::italianNumber(text);
        if (!value)
            return QStringLiteral("Il dato «%1» non è un numero valido: «%2».").arg(caption, text);
        if (*value < r.lowest || *value > r.highest)
            return QStringLiteral("Il dato «%1» deve essere compreso tra %2 e %3.")
                .arg(caption, bound(r.lowest), bound(r.highest));
    }
    return std::nullopt;
}

namespace {

void households(Result &r, const Inputs &inputs, int years)
{
    const qint64 size = thousandths(inputs, Input::famiglia);
    r.sizeTarget1000 = size + qint64(years) * thousandths(inputs, Input::variazione);
    r.householdsStart = rounded(Wide(r.inhabitantsStart) * 1000, size);
    r.householdsTarget = rounded(Wide(r.inhabitantsTarget) * 1000, r.sizeTarget1000);
    const qint64 more = std::max<qint64>(0, r.householdsTarget - r.householdsStart);
    // Rounded up: a share of a dwelling is a dwelling to plan.
    const Wide withVacant = Wide(more) * (100'000 + thousandths(inputs, Input::sfitto));
    r.dwellings = qint64((withVacant + 99'999) / 100'000) + rounded(thousandths(inputs, Input::pregresso), 1000);
}

void publicSpace(Result &r, const Inputs &inputs)
{
    for (std::size_t c = 0; c < kCategories; ++c) {
        r.required[c] = rounded(Wide(r.inhabitantsTarget) * thousandths(inputs, kStandards[c]), 1000);
        const Wide missing = Wide(r.required[c]) * 1000 - thousandths(inputs, kProvided[c]);
        r.shortfall[c] = missing > 0 ? rounded(missing, 1000) : 0;
        r.requiredTotal += r.required[c];
        r.shortfallTotal += r.shortfall[c];
    }
}

QString twoDecimals(qint64 value1000)
{
    const qint64 hundredths = value1000 >= 0 ? (value1000 + 5) / 10 : -((-value1000 + 5) / 10);
    const qint64 magnitude = hundredths < 0 ? -hundredths : hundredths;
    return QStringLiteral("%1%2,%3")
        .arg(hundredths < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 100)
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

std::variant<Result, QString> compute(const Inputs &inputs, qint64 inhabitantsStart, qint64 inhabitantsTarget,
                                      int years)
{
    if (auto no = refusal(inputs))
        return *no;
    if (inhabitantsStart < 0 || inhabitantsTarget < 0 || double(inhabitantsStart) > kMostPeople ||
        double(inhabitantsTarget) > kMostPeople)
        return QStringLiteral("Gli abitanti del calcolo sono fuori dai limiti del dimensionamento.");
    Result r;
    r.inhabitantsStart = inhabitantsStart;
    r.inhabitantsTarget = inhabitantsTarget;
    r.difference = inhabitantsTarget - inhabitantsStart;
    r.falling = r.difference <= 0;
    const qint64 size = thousandths(inputs, Input::famiglia) + qint64(years) * thousandths(inputs, Input::variazione);
    if (size <= 0)
        return QStringLiteral("I componenti per famiglia nell'anno di arrivo (%1) sono zero o meno: controlla i "
                              "componenti per famiglia e la loro variazione annua.")
            .arg(twoDecimals(size));
    households(r, inputs, years);
    const qint64 perInhabitant = thousandths(inputs, Input::volume) + thousandths(inputs, Input::volume_connesso);
    r.volume = r.falling ? 0 : rounded(Wide(r.difference) * perInhabitant, 1000);
    publicSpace(r, inputs);
    return r;
}

std::vector<std::pair<QString, QString>> resultLines(const Result &r)
{
    const auto n = [](qint64 v) { return QString::number(v); };
    std::vector<std::pair<QString, QString>> lines = {
        {QStringLiteral("abitanti_inizio"), n(r.inhabitantsStart)},
        {QStringLiteral("abitanti_arrivo"), n(r.inhabitantsTarget)},
        {QStringLiteral("differenza"), n(r.difference)},
        {QStringLiteral("componenti_arrivo"), twoDecimals(r.sizeTarget1000)},
        {QStringLiteral("famiglie_inizio"), n(r.householdsStart)},
        {QStringLiteral("famiglie_arrivo"), n(r.householdsTarget)},
        {QStringLiteral("abitazioni"), n(r.dwellings)},
        {QStringLiteral("volume_m3"), n(r.volume)}};
    static const std::array<const char *, kCategories> keys = {"istruzione", "interesse", "verde", "parcheggi"};
    for (std::size_t c = 0; c < kCategories; ++c)
        lines.emplace_back(QStringLiteral("richiesto_") + QLatin1String(keys[c]), n(r.required[c]));
    lines.emplace_back(QStringLiteral("richiesto_totale"), n(r.requiredTotal));
    for (std::size_t c = 0; c < kCategories; ++c)
        lines.emplace_back(QStringLiteral("carenza_") + QLatin1String(keys[c]), n(r.shortfall[c]));
    lines.emplace_back(QStringLiteral("carenza_totale"), n(r.shortfallTotal));
    return lines;
}

Inputs inputsOf(const StudySizing &sizing)
{
    Inputs inputs;
    for (const InputRow &r : kRows)
        inputs.typed[std::size_t(r.input)] = sizing.value(QString::fromLatin1(r.key));
    return inputs;
}

} // namespace PlanSizing
