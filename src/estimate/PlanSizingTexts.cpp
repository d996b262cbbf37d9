#include "PlanSizingTexts.h"

#include "NumberReading.h"

#include <QLocale>
#include <algorithm>

namespace PlanSizingTexts {

namespace {

using PlanSizing::Input;

const std::array<const char *, PlanSizing::kCategories> kKeys = {"istruzione", "interesse", "verde", "parcheggi"};
constexpr std::array<Input, PlanSizing::kCategories> kStandards = {Input::std_istruzione, Input::std_interesse,
                                                                   Input::std_verde, Input::std_parcheggi};
constexpr std::array<Input, PlanSizing::kCategories> kProvided = {Input::esist_istruzione, Input::esist_interesse,
                                                                  Input::esist_verde, Input::esist_parcheggi};

int categoryOf(const QString &key)
{
    for (std::size_t c = 0; c < kKeys.size(); ++c) {
        if (key.endsWith(QLatin1String(kKeys[c])))
            return int(c);
    }
    return -1;
}

// As typed, with as many decimals, thousands grouped.
QString typed(const PlanSizing::Sizing &s, Input input)
{
    const QString text = s.inputs.text(input);
    const auto v = NumberReading::italianNumber(text);
    const qsizetype comma = text.lastIndexOf(u',');
    return v ? number(*v, comma < 0 ? 0 : int(std::min<qsizetype>(text.size() - comma - 1, 3))) : text;
}

QString households(const QString &key, const PlanSizing::Sizing &s, const PlanSizing::Result &r)
{
    if (key == u"componenti_arrivo")
        return QStringLiteral("%1 + %2 anni × (%3) = %4")
            .arg(typed(s, Input::famiglia), QString::number(s.years), typed(s, Input::variazione),
                 number(double(r.sizeTarget1000) / 1000, 2));
    if (key == u"famiglie_inizio")
        return QStringLiteral("%1 abitanti ÷ %2 componenti = %3")
            .arg(number(double(r.inhabitantsStart)), typed(s, Input::famiglia), number(double(r.householdsStart)));
    return QStringLiteral("%1 abitanti ÷ %2 componenti = %3")
        .arg(number(double(r.inhabitantsTarget)), number(double(r.sizeTarget1000) / 1000, 2),
             number(double(r.householdsTarget)));
}

QString dwellingsAndVolume(const QString &key, const PlanSizing::Sizing &s, const PlanSizing::Result &r)
{
    if (key == u"abitazioni")
        return QStringLiteral("max(0; %1 – %2) famiglie × (1 + %3% di non occupate), per eccesso, + %4 di "
                              "fabbisogno pregresso = %5")
            .arg(number(double(r.householdsTarget)), number(double(r.householdsStart)), typed(s, Input::sfitto),
                 typed(s, Input::pregresso), number(double(r.dwellings)));
    return QStringLiteral("max(0; %1) abitanti in più × (%2 + %3) m³ = %4 m³")
        .arg(number(double(r.difference)), typed(s, Input::volume), typed(s, Input::volume_connesso),
             number(double(r.volume)));
}

QString space(const QString &key, const PlanSizing::Sizing &s, const PlanSizing::Result &r)
{
    const int c = categoryOf(key);
    const bool required = key.startsWith(u"richiesto");
    if (c < 0) {
        const auto &parts = required ? r.required : r.shortfall;
        QStringList terms;
        for (const qint64 v : parts)
            terms << number(double(v));
        return terms.join(QStringLiteral(" + ")) + QStringLiteral(" = ") +
               number(double(required ? r.requiredTotal : r.shortfallTotal)) + QStringLiteral(" m²");
    }
    const std::size_t i = std::size_t(c);
    if (required)
        return QStringLiteral("%1 abitanti × %2 m² = %3 m²")
            .arg(number(double(r.inhabitantsTarget)), typed(s, kStandards[i]), number(double(r.required[i])));
    return QStringLiteral("max(0; %1 – %2) m² = %3 m²")
        .arg(number(double(r.required[i])), typed(s, kProvided[i]), number(double(r.shortfall[i])));
}

} // namespace

QString number(double value, int decimals)
{
    return QLocale(QLocale::Italian).toString(value, 'f', decimals);
}

QString caption(const QString &key)
{
    static const std::pair<const char *, const char *> fixed[] = {
        {"abitanti_inizio", "Abitanti nell'anno di partenza"},
        {"abitanti_arrivo", "Abitanti nell'anno di arrivo"},
        {"differenza", "Differenza di abitanti"},
        {"componenti_arrivo", "Componenti per famiglia nell'anno di arrivo"},
        {"famiglie_inizio", "Famiglie nell'anno di partenza"},
        {"famiglie_arrivo", "Famiglie nell'anno di arrivo"},
        {"abitazioni", "Abitazioni da prevedere"},
        {"volume_m3", "Volume residenziale (m³)"}};
    for (const auto &[k, text] : fixed) {
        if (key == QLatin1String(k))
            return QString::fromUtf8(text);
    }
    const int c = categoryOf(key);
    const QString what = c < 0 ? QStringLiteral("in totale") : QStringLiteral("per ") + PlanSizing::categoryName(c);
    return (key.startsWith(u"richiesto") ? QStringLiteral("Aree richieste ") : QStringLiteral("Aree mancanti ")) +
           what + QStringLiteral(" (m²)");
}

QString formula(const QString &key, const PlanSizing::Sizing &s, std::size_t column)
{
    const PlanSizing::Result &r = s.columns[column];
    if (key == u"abitanti_inizio")
        return QStringLiteral("abitanti noti = %1").arg(number(double(r.inhabitantsStart)));
    if (key == u"abitanti_arrivo")
        return QStringLiteral("risultato del calcolo = %1").arg(number(double(r.inhabitantsTarget)));
    if (key == u"differenza")
        return QStringLiteral("%1 – %2 = %3")
            .arg(number(double(r.inhabitantsTarget)), number(double(r.inhabitantsStart)), number(double(r.difference)));
    if (key.startsWith(u"componenti") || key.startsWith(u"famiglie"))
        return households(key, s, r);
    if (key == u"abitazioni" || key == u"volume_m3")
        return dwellingsAndVolume(key, s, r);
    return space(key, s, r);
}

QString ruleOf(const PlanSizing::Sizing &s, Input input)
{
    const PlanSizing::InputRow &row = PlanSizing::row(input);
    const auto value = NumberReading::italianNumber(s.inputs.text(input));
    const auto national = row.national ? NumberReading::italianNumber(QString::fromUtf8(row.national)) : std::nullopt;
    const bool asNational = value && national && *value == *national;
    if (row.fromDecree)
        return asNational ? kDecreeShort : s.rule.isEmpty() ? QStringLiteral("valore scelto dall'ufficio") : s.rule;
    // The others describe the place: the study's own, but a default left as it is.
    return asNational && input == Input::sfitto ? QStringLiteral("valore predefinito")
                                                : QStringLiteral("dato dello studio");
}

QString noGrowth(const PlanSizing::Result &r)
{
    if (!r.falling)
        return {};
    const QString change =
        r.difference == 0
            ? QStringLiteral("La popolazione non cresce")
            : QStringLiteral("La popolazione diminuisce di %1 abitanti").arg(number(double(-r.difference)));
    const QString dwellings =
        r.householdsTarget <= r.householdsStart ? QStringLiteral(" né abitazioni nuove") : QString();
    return change + QStringLiteral(": non servono volumi residenziali nuovi") + dwellings +
           QStringLiteral("; gli standard si applicano comunque agli abitanti dell'anno di arrivo.");
}

} // namespace PlanSizingTexts
