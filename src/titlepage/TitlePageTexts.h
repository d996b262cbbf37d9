// The fixed Italian texts of the title page: its captions and tooltips, the
// guidance and every message its model and window show.
#pragma once

#include <QString>

namespace TitlePageTexts {

QString labelCaption(int index); // the nine captions, 0 to 8
QString labelTooltip(int index); // empty for the office rows

inline const QString kOpening = QStringLiteral("Digitare i dati per ogni campo o prelevare un file dall'archivio.");
inline const QString kNoCalculation = QStringLiteral("Non è stato fatto il calcolo!");
inline const QString kNothingTyped = QStringLiteral("Non è stato immesso alcun dato nella finestra.");
inline const QString kFillEveryField = QStringLiteral("Inserire dati per ogni campo.");
inline const QString kAllTyped = QStringLiteral("I dati sono stati immessi correttamente.");
inline const QString kThisIsTheTitlePage = QStringLiteral("E' questa la finestra per il Frontespizio della relazione!");

// The help of the window's Aiuto button, one line per advice.
QString help();

} // namespace TitlePageTexts
