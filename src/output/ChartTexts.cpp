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

QString componentName(int index, bool backward)
{
    static const std::array<const char *, 6> names = {"Nascite (oltre i primi anni)",
                                                      "Morti nei primi anni",
                                                      "Morti dopo l'età mediana",
                                                      "Immigrati",
                                                      "Emigrati",
                                                      "Incremento naturale: nascite meno morti dopo l'età mediana"};
    if (index == 5 && backward)
        return QString::fromUtf8("Incremento naturale: nascite meno morti dopo l'età mediana, in ordine di calendario "
                                 "(la colonna \"+/- abit.\" del calcolo a ritroso ha il segno opposto)");
    return index >= 0 && index < int(names.size()) ? QString::fromUtf8(names[std::size_t(index)]) : QString();
}

QString lineNote(bool migration)
{
    if (!migration)
        return QStringLiteral("La linea segna gli abitanti all'inizio di ogni anno, come la tabella, "
                              "e finisce sul risultato.");
    return QStringLiteral("La linea segna gli abitanti all'inizio di ogni anno, prima degli immigrati e degli "
                          "emigrati di quell'anno (la tabella li riporta dopo; il calcolo non li conta nell'anno di "
                          "partenza), e finisce sul risultato.");
}

QString lastRowNote(const QString &year, const QString &row, const QString &result)
{
    return QStringLiteral("Nella tabella la riga del %1 riporta %2 e non %3: il calcolo a ritroso toglie gli "
                          "immigrati e aggiunge gli emigrati anche nel suo ultimo anno, dopo aver trovato il "
                          "risultato.")
        .arg(year, row, result);
}

QString changeNote(const QString &from, const QString &to, const QString &first, const QString &last,
                   const QString &percent, bool axisFromZero)
{
    QString text = QStringLiteral("Dal %1 al %2 gli abitanti passano da %3 a %4").arg(from, to, first, last);
    if (!percent.isEmpty())
        text += QStringLiteral(" (%1)").arg(percent);
    text += u'.';
    if (!axisFromZero)
        text += QStringLiteral(" La scala degli abitanti non parte da zero.");
    return text;
}

QString exportFailed(const QString &path, const QString &why)
{
    return QStringLiteral("Impossibile esportare il grafico nel file \"%1\": %2. "
                          "L'eventuale file precedente è rimasto com'era.")
        .arg(path, why);
}

QString hypothesisSeries(const QString &kind)
{
    return QStringLiteral("Ipotesi ") + kind.toLower();
}

QString hypothesisResult(const QString &kind, const QString &year, const QString &inhabitants)
{
    return QStringLiteral("%1 per il %2: %3").arg(kind, year, inhabitants);
}

QString hypothesesResults(const QString &year)
{
    return QStringLiteral("Risultati per il %1").arg(year);
}

QString hypothesesNote(bool lastRowDiffers)
{
    QString note = QStringLiteral("Le linee segnano gli abitanti di ogni anno come la tabella; i quadrati segnano "
                                  "i risultati.");
    if (lastRowDiffers)
        note += QStringLiteral(" Nel calcolo a ritroso l'ultima riga della tabella riporta gli abitanti dopo gli "
                               "immigrati e gli emigrati di quell'anno, che il risultato non conta.");
    return note;
}

} // namespace ChartTexts
