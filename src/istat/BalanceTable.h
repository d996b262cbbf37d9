// ISTAT's demographic balance of the municipalities (P2), one year a file:
// per municipality its population at 1 January and 31 December, live births,
// deaths, and the people who came and left, gross where the file counts them,
// else from the migration balances.
#pragma once

#include "IstatOutcome.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

struct BalanceRow {
    QString code; // as the file writes it
    QString name;
    qint64 p1 = 0;  // population at 1 January
    qint64 p31 = 0; // at 31 December
    qint64 births = 0;
    qint64 deaths = 0;
    qint64 inflow = 0;  // gross, or the positive part of the migration balances
    qint64 outflow = 0; // gross, or the negative part of them
    bool provisional = false;
};

struct BalanceTable {
    QString fileName;
    int year = 0;
    bool grossFlows = false;
    // The columns read, as the file heads them.
    QString p1Column, p31Column, birthsColumn, deathsColumn;
    QStringList inflowColumns, outflowColumns; // with balances, both list the balances
    std::vector<BalanceRow> rows;
    QHash<qint64, int> byCode; // the code's number to its row

    const BalanceRow *find(qint64 code) const;
};

namespace BalanceFile {

// A national file has about 8,000 municipalities: ten times that is allowed.
inline constexpr qint64 kMaxLines = 80'000;
inline constexpr qint64 kMaxBytes = qint64{32} * 1024 * 1024;

IstatOutcome<BalanceTable> parse(const QString &fileName, const QByteArray &bytes);
IstatOutcome<BalanceTable> read(const QString &path);

} // namespace BalanceFile
