// "Fonte dei dati": where a study's inputs came from, in the words of the
// report, the results document and the workbook.
#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

struct StudySnapshot;
struct StudySource;

namespace SourceTexts {

inline const QString kHeading = QStringLiteral("Fonte dei dati");

// The paragraphs under the heading: the tables, the inputs one by one, the
// check on the past.
QStringList paragraphs(const StudySource &source, const StudySnapshot &s);

// The same as rows of a sheet: a caption and its text.
std::vector<std::pair<QString, QString>> rows(const StudySource &source, const StudySnapshot &s);

} // namespace SourceTexts
