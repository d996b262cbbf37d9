#include "ChartTexts.h"

#include <array>

namespace ChartTexts {

QString knownSeries(const QString &year, const QString &inhabitants)
{
    return QStringLiteral("Abitanti noti nel %1: %2").arg(year, inhabitants);
}

QString resultSeries(const QString &year, const QString &inhabitants)
{
    return QStringLiteral("Risultato per il %1: %2").arg(year, inhabitants);
}

QString componentName(int index)
{
    static const std::array<const char *, 6> names = {
        "Nascite (oltre i primi anni)", "Morti nei primi anni", "Morti dopo l'età mediana", "Immigrati", "Emigrati",
        "Incremento naturale"};
    return index >= 0 && index < int(names.size()) ? QString::fromUtf8(names[std::size_t(index)]) : QString();
}

QString exportFailed(const QString &path, const QString &why)
{
    return QStringLiteral("Impossibile esportare il grafico nel file \"%1\": %2. "
                          "L'eventuale file precedente è rimasto com'era.")
        .arg(path, why);
}

} // namespace ChartTexts
