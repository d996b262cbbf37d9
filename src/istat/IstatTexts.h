// Every text of the ISTAT import the user reads: refusals, names of the
// inputs, formulas and sources.
#pragma once

#include "IstatInputs.h"

#include <QString>
#include <QStringList>

namespace IstatTexts {

inline const QString kBalanceKind = QStringLiteral("un bilancio demografico ISTAT dei comuni");
inline const QString kAgeKind = QStringLiteral("una tabella ISTAT della popolazione per età (POSAS)");

// The input as the projection window names it.
QString inputName(IstatInput input);

// Reading
QString unreadable(const QString &file);
QString notAFile(const QString &file);
QString fileTooLarge(const QString &file, qint64 maxBytes);
QString badZip(const QString &file);
QString noCsvInZip(const QString &file);
QString severalCsvInZip(const QString &file, const QStringList &members);
QString memberTooLarge(const QString &file, const QString &member, qint64 maxBytes);
QString memberUnreadable(const QString &file, const QString &member);
QString missingColumn(const QString &file, const QString &kind, const QString &column);
QString noYear(const QString &file);
QString tooManyLines(const QString &file, qint64 maxLines);
QString tooWide(const QString &file, qint64 line, int maxFields);
QString shortLine(const QString &file, qint64 line);
QString notACount(const QString &file, qint64 line, const QString &value, const QString &column);
QString negativeFlow(const QString &file, qint64 line);
QString listedTwice(const QString &file, const QString &code, qint64 firstLine, qint64 line);
QString badAge(const QString &file, qint64 line, const QString &value);
QString tooManyMunicipalities(const QString &file, int maxMunicipalities);
QString ageTwice(const QString &file, qint64 line, const QString &code, int age);

// Choosing the files and the municipality
QString noBalance();
QString tooManyYears(int maxYears);
QString sameYear(const QString &file, const QString &other, int year);
QString yearsNotConsecutive(int year, int next);
QString municipalityNotFound(const QString &query, const QString &file);
QString municipalityNotFound(const QString &query, const QString &file, const QStringList &candidates);
QString municipalityAmbiguous(const QString &query, const QStringList &candidates);
QString absentInYear(const QString &name, const QString &code, int year, const QString &file);
QString codeChanged(const QString &name, const QString &code, int year, const QString &other, int otherYear);
QString nameChanged(const QString &code, const QString &name, int year, const QString &other, int otherYear);
QString absentInAges(const QString &name, const QString &code, const QString &file);
QString nameChangedInAges(const QString &code, const QString &name, const QString &other, const QString &file);
QString agesMissing(const QString &name, const QString &file);

// Deriving
QString choiceOutOfBounds(const QString &input, double lowest, double highest);
QString fertileEndNotAfterStart();
QString noPopulation(const QString &name);
QString deathsTooFew(qint64 deaths, const QString &infantDeaths);
QString noWomenTotal(const QString &name, const QString &file);
QString derivedOutOfBounds(const QString &input, const QString &value, double lowest, double highest);
QString shareTooHigh(const QString &share, double maxShare);
QString medianAgeBelowFertileEnd(const QString &age, const QString &end);

} // namespace IstatTexts
