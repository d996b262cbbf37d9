// The fixed Italian texts of the window "Ipotesi a confronto".
#pragma once

#include <QString>

namespace HypothesesTexts {

inline const QString kWindowTitle = QStringLiteral("Ipotesi a confronto");
inline const QString kGuidance = QStringLiteral(
    "L'ipotesi centrale è lo studio della finestra di calcolo. Le ipotesi bassa e alta partono dai suoi valori: "
    "cambia quelli che vuoi, con la virgola per i decimali, e clicca su 'Calcola ipotesi'. Tutti gli altri dati "
    "sono quelli della finestra di calcolo.");
inline const QString kNoResults = QStringLiteral(
    "La tabella e il grafico delle tre ipotesi appariranno qui dopo 'Calcola ipotesi'. Si svuotano quando cambia "
    "un dato della finestra di calcolo o un valore delle ipotesi.");
inline const QString kYear = QStringLiteral("Anno");
inline const QString kResult = QStringLiteral("Risultato");

// A value typed that is not a number, named by its caption and hypothesis.
inline QString notANumber(const QString &caption, const QString &hypothesis)
{
    return QStringLiteral("Il dato \"%1\" dell'%2 non è un numero valido: digita solo cifre, con la virgola per i "
                          "decimali.")
        .arg(caption, hypothesis);
}

} // namespace HypothesesTexts
