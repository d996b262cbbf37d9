// The results for a spreadsheet: XLSX with the inputs and the title page on
// "Dati", the nine columns as numbers on "Risultati" and a native line chart
// of the inhabitants; or CSV the way an Italian spreadsheet opens it (";",
// decimal comma, UTF-8 with a byte-order mark). Files are written whole or
// not at all. It reads a snapshot only; whether there is a calculation to
// export is the caller's question. The workbook is built in ResultsXlsx.cpp.
#pragma once

#include "estimate/PlanSizing.h"
#include "estimate/ProjectionTable.h"

#include <QByteArray>
#include <QString>

struct HypothesisComparison;
struct StudySnapshot;

namespace ResultsExport {

enum class Format { Xlsx, Csv };

// .csv asks for CSV; any other name for XLSX.
Format formatOf(const QString &path);
// A name without either extension gets the XLSX one.
QString withExtension(const QString &path);

// A cell as the grid shows it, as a number: the year unchanged, the others
// rounded half up, immigrants and emigrants without sign.
double gridValue(const ProjectionTable &table, int row, GridColumn column);

QByteArray csv(const StudySnapshot &study);
// The three hypotheses as CSV: "Anno;Bassa;Centrale;Alta", a line a year,
// then "Risultato" and the three results.
QByteArray hypothesesCsv(const HypothesisComparison &comparison);
// The plan's sizing as CSV: "voce;valore" (or "voce;bassa;centrale;alta"),
// then a line a result.
QByteArray sizingCsv(const PlanSizing::Sizing &sizing);
// The workbook's bytes, or empty with the reason in error.
QByteArray xlsx(const StudySnapshot &study, QString *error);
bool write(const StudySnapshot &study, const QString &path, Format format, QString *error);

} // namespace ResultsExport
