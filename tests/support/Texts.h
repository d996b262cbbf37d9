// The texts users read that several tests expect, written out here rather
// than taken from the program's own constants, so a changed word shows.
#pragma once

#include <QString>

namespace Expected {

inline const QString kOpening = QStringLiteral(
    "Apri un file archiviato oppure inizia digitando l'anno da cui partire e il numero degli abitanti relativo.");
inline const QString kReadyToCompute = QStringLiteral(
    "Clicca sul tasto 'Calcola' per visualizzare la griglia dei risultati riferiti a ogni anno del periodo, "
    "quindi sul tasto 'Verifica' per controllare e su 'Riequilibra' per adeguare il risultato alla più "
    "probabile realtà.");
inline const QString kAfterRebalance = QStringLiteral(
    "Ora puoi stampare i risultati direttamente in questa finestra, oppure procedere con il frontespizio per "
    "avere una relazione di calcolo completa.");
inline const QString kResultOutOfBounds =
    QStringLiteral("Con questi dati la simulazione porta a numeri troppo grandi per una popolazione: controlla i "
                   "dati immessi.");
inline const QString kExportNeedsCalculation =
    QStringLiteral("Non c'è una tabella da esportare: esegui prima il calcolo con il tasto 'Calcola'.");
inline const QString kExportTitle = QStringLiteral("Esporta la tabella dei risultati");
inline const QString kExportName = QStringLiteral("Vicania-risultati.xlsx");

} // namespace Expected
