// ISTAT's resident population by single year of age and sex (POSAS): per
// municipality, men, women and both at each age from 0 to 100 (100 meaning
// 100 and over) and, as age 999, in all.
#pragma once

#include "IstatOutcome.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <array>
#include <optional>
#include <vector>

struct AgeCounts {
    qint64 men = 0;
    qint64 women = 0;
    qint64 total = 0;
};

struct AgeGroup {
    static constexpr int kOldest = 100;
    QString code;
    QString name;
    std::array<std::optional<AgeCounts>, kOldest + 1> ages;
    std::optional<AgeCounts> all; // the file's own total line
};

struct AgeTable {
    QString fileName;
    int year = 0;
    QString womenColumn, totalColumn;
    std::vector<AgeGroup> municipalities;
    QHash<qint64, int> byCode;

    const AgeGroup *find(qint64 code) const;
};

namespace AgeFile {

// Italy's file has about 8,000 municipalities of 102 lines each.
inline constexpr qint64 kMaxLines = 1'200'000;
// Each municipality keeps its 101 ages: more than Italy ever had is refused
// before they fill the memory.
inline constexpr int kMaxMunicipalities = 20'000;
inline constexpr qint64 kMaxBytes = qint64{64} * 1024 * 1024;
inline constexpr int kAllAges = 999;

IstatOutcome<AgeTable> parse(const QString &fileName, const QByteArray &bytes);
IstatOutcome<AgeTable> read(const QString &path);

} // namespace AgeFile
