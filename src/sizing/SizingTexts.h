// The fixed Italian texts of the window "Dimensionamento".
#pragma once

#include <QString>

namespace SizingTexts {

inline const QString kWindowTitle = QStringLiteral("Dimensionamento");
inline const QString kGuidance = QStringLiteral(
    "Dal risultato del calcolo al piano: famiglie, abitazioni, volumi e aree per servizi. Ogni campo mostra la "
    "figura nazionale finché non ne digiti un'altra, con la virgola per i decimali; un campo vuoto torna alla "
    "figura nazionale. I risultati si aggiornano appena lasci un campo.");
inline const QString kNational = QStringLiteral("Nazionali (D.M. 1444/1968, art. 3)");
inline const QString kOwnFigures = QStringLiteral("Figure proprie dello studio");
inline const QString kNoResult = QStringLiteral(
    "Il dimensionamento ha bisogno del risultato del calcolo: calcola gli abitanti nella finestra di calcolo.");
inline const QString kItem = QStringLiteral("Voce");
inline const QString kValue = QStringLiteral("Valore");
inline const QString kRulePrefix = QStringLiteral("Norma citata: ");
inline const QString kNoName = QStringLiteral("Dai un nome alle figure da salvare.");
inline const QString kNotSaved =
    QStringLiteral("Le figure non si sono potute salvare nelle impostazioni dello studio professionale.");
inline const QString kNotRemoved =
    QStringLiteral("Le figure non si sono potute eliminare dalle impostazioni dello studio professionale.");

inline QString refusedFigures(const QString &why)
{
    return QStringLiteral("Le figure non si possono salvare: %1").arg(why);
}
inline QString replace(const QString &name)
{
    return QStringLiteral("Le figure «%1» esistono già. Sostituirle con quelle dei campi?").arg(name);
}
inline QString remove(const QString &name)
{
    return QStringLiteral("Eliminare le figure «%1» dalle impostazioni dello studio professionale?").arg(name);
}

} // namespace SizingTexts
