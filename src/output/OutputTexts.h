// The texts of the outputs: the guidance a window's box shows while a
// document is made and once it is shown, and the messages of the exports and
// of the report that cannot be written.
#pragma once

#include <QString>

namespace OutputTexts {

// The results document and the data-acquisition sheet, in the projection
// window's box.
inline const QString kLoadingResults = QStringLiteral("Sto caricando WORD.");
inline const QString kResultsShown =
    QStringLiteral("Ho visualizzato i dati con WORD. Li puoi modificare, integrare e archiviare.");
inline const QString kLoadingDataSheet = QStringLiteral("Sto caricando WORD"); // no full stop, as ever
inline const QString kDataSheetShown = QStringLiteral("Ho visualizzato il modello d'acquisizione dati con WORD");

// The full report and the data-only document, in the title page's box.
inline const QString kNoSimulation = QStringLiteral("La simulazione non è stata effettuata.");
inline const QString kReportShown =
    QStringLiteral("Ho visualizzato la relazione con WORD. La puoi modificare, integrare e archiviare.");
inline const QString kNoChart =
    QStringLiteral("Non è stato possibile disegnare il grafico: la relazione con il grafico non è stata scritta.");
inline const QString kLoadingWord = QStringLiteral("Sto caricando WORD.");

// Esporta tabella: the save dialog and its messages.
inline const QString kExportTitle = QStringLiteral("Esporta la tabella dei risultati");
inline const QString kExportFilter =
    QStringLiteral("Cartella di lavoro Excel (*.xlsx)|*.xlsx|CSV, separato da punto e virgola (*.csv)|*.csv");
inline const QString kExportName = QStringLiteral("Vicania-risultati.xlsx");
inline const QString kExportNeedsCalculation =
    QStringLiteral("Non c'è una tabella da esportare: esegui prima il calcolo con il tasto 'Calcola'.");
inline QString exportFailed(const QString &path, const QString &why)
{
    return QStringLiteral("Impossibile esportare la tabella nel file \"%1\": %2. "
                          "L'eventuale file precedente è rimasto com'era.")
        .arg(path, why);
}

// The hypotheses.
inline const QString kNoHypotheses =
    QStringLiteral("lo studio non ha un'ipotesi bassa e una alta (si impostano nella finestra «Ipotesi a confronto»)");
inline QString hypothesesExportFailed(const QString &path, const QString &why)
{
    return QStringLiteral("Impossibile scrivere le ipotesi nel file \"%1\": %2.").arg(path, why);
}

// The plan's sizing.
inline const QString kNoSizing = QStringLiteral("lo studio non ha un dimensionamento");
inline QString sizingExportFailed(const QString &path, const QString &why)
{
    return QStringLiteral("Impossibile scrivere il dimensionamento nel file \"%1\": %2").arg(path, why);
}

} // namespace OutputTexts
