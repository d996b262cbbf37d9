// What ISTAT's tables share: a title line, a heading line whose columns are
// found by their words, then one record per line. The heading is the first
// record holding a municipality's code column, so a missing or longer title
// does not matter.
#pragma once

#include "IstatCsv.h"
#include "IstatFile.h"
#include "IstatOutcome.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <vector>

namespace IstatTable {

struct Heading {
    QString text;      // as the file writes it
    QStringList label; // its words before the last dash
    QStringList sex;   // after it when they name a sex or the total ("totale")
};

Heading heading(const QString &text);
// Every word given among the label's.
bool has(const Heading &h, std::initializer_list<const char *> words);
// The column of both sexes: "- Totale", or no sex named at all.
bool isTotal(const Heading &h);

struct Start {
    QString title;
    std::vector<Heading> headings;
    int year = 0;
};

// Reads up to the heading line. kind names the table in messages.
IstatOutcome<Start> start(IstatCsv::Records &records, const QString &fileName, const QString &kind);

// The first column that matches, or -1.
int find(const std::vector<Heading> &headings, const std::function<bool(const Heading &)> &matches);

// The municipality's code and name columns, or the refusal naming the one missing.
struct Identity {
    int code = -1;
    int name = -1;
};
IstatOutcome<Identity> identity(const Start &s, const QString &fileName, const QString &kind);

// A refusal for a data record: too wide, too short, or past the line cap.
std::optional<IstatRefusal> recordProblem(const IstatCsv::Records &records, int lastColumn, const QString &fileName,
                                          qint64 maxRecords);

// The count in a column of the current record, or the refusal naming it.
IstatOutcome<qint64> countAt(const IstatCsv::Records &records, int column, const Start &s, const QString &fileName);

// A table's file read up to its data: the CSV out of the file (a ZIP or not),
// the title and heading lines, the columns `columns` finds among the
// headings; `fill` then reads the records into the table.
template <typename Table, typename FindColumns, typename Fill>
IstatOutcome<Table> parse(const QString &fileName, const QByteArray &bytes, qint64 maxBytes, const QString &kind,
                          FindColumns columns, Fill fill)
{
    const auto csv = IstatFile::csvBytes(fileName, bytes, maxBytes);
    if (const auto *no = std::get_if<IstatRefusal>(&csv))
        return *no;
    IstatCsv::Records records(std::get<QByteArray>(csv));
    const auto begun = start(records, fileName, kind);
    if (const auto *no = std::get_if<IstatRefusal>(&begun))
        return *no;
    const auto &s = std::get<Start>(begun);
    const auto found = columns(s, fileName);
    if (const auto *no = std::get_if<IstatRefusal>(&found))
        return *no;
    return fill(records, std::get<0>(found), s);
}

} // namespace IstatTable
