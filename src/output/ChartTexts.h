// The fixed Italian texts of the charts and of their window: titles, axes,
// series, the sentence shown without a calculation, the export dialog and
// its messages.
#pragma once

#include <QString>

namespace ChartTexts {

inline const QString kWindowTitle = QStringLiteral("Grafico dei risultati");
inline const QString kNoCalculation = QStringLiteral(
    "Il grafico apparirà qui dopo il calcolo: nella finestra di calcolo digita i dati e clicca su 'Calcola'. "
    "Si aggiorna da solo dopo ogni calcolo, verifica e riequilibrio.");

inline const QString kInhabitantsTitle = QStringLiteral("Numero di abitanti anno per anno");
inline const QString kComponentsTitle = QStringLiteral("Movimento annuo della popolazione");
inline const QString kYearAxis = QStringLiteral("Anno");
inline const QString kInhabitantsAxis = QStringLiteral("Abitanti");
inline const QString kComponentsAxis = QStringLiteral("Persone all'anno");
inline const QString kInhabitantsSeries = QStringLiteral("Abitanti stimati");
QString knownSeries(const QString &year, const QString &inhabitants);
QString resultSeries(const QString &year, const QString &inhabitants);
// The six yearly components, 0 to 5; the natural change says how it is
// counted, and after a backward run that the grid shows it the other way round.
QString componentName(int index, bool backward = false);

// Under the inhabitants chart: what its line shows and, when the table's
// last row holds another number than the result, why.
QString lineNote(bool migration);
QString lastRowNote(const QString &year, const QString &row, const QString &result);
// Above it, by the inhabitants axis: the whole change in percent, so a
// small change on an axis that does not start at zero reads as small.
QString changeNote(const QString &from, const QString &to, const QString &first, const QString &last,
                   const QString &percent, bool axisFromZero);

// The chart of three hypotheses.
inline const QString kHypothesesTitle = QStringLiteral("Ipotesi a confronto");
inline const QString kHypothesesBand = QStringLiteral("Fascia tra l'ipotesi bassa e l'alta");
// "Ipotesi bassa" from "Bassa".
QString hypothesisSeries(const QString &kind);
QString hypothesisResult(const QString &kind, const QString &year, const QString &inhabitants);
QString hypothesesResults(const QString &year);
// Under it: the lines are the table's, the squares the results, and why a
// square may sit off its line after a backward run.
QString hypothesesNote(bool lastRowDiffers);

inline const QString kExportTitle = QStringLiteral("Esporta il grafico");
inline const QString kExportFilter =
    QStringLiteral("Immagine PNG, 300 dpi (*.png)|*.png|Disegno SVG (*.svg)|*.svg|Documento PDF (*.pdf)|*.pdf");
inline const QString kExportName = QStringLiteral("Vicania-grafico.png");
inline const QString kExportNeedsCalculation =
    QStringLiteral("Non c'è un grafico da esportare: esegui prima il calcolo nella finestra di calcolo.");
QString exportFailed(const QString &path, const QString &why);

} // namespace ChartTexts
