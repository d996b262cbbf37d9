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
// The six yearly components, 0 to 5.
QString componentName(int index);

inline const QString kExportTitle = QStringLiteral("Esporta il grafico");
inline const QString kExportFilter =
    QStringLiteral("Immagine PNG, 300 dpi (*.png)|*.png|Disegno SVG (*.svg)|*.svg|Documento PDF (*.pdf)|*.pdf");
inline const QString kExportName = QStringLiteral("Vicania-grafico.png");
inline const QString kExportNeedsCalculation =
    QStringLiteral("Non c'è un grafico da esportare: esegui prima il calcolo nella finestra di calcolo.");
QString exportFailed(const QString &path, const QString &why);

} // namespace ChartTexts
