#include "BalanceTable.h"

#include "IstatFile.h"
#include "IstatTable.h"
#include "IstatTexts.h"

#include <QFileInfo>

using IstatTable::Heading;
using IstatTable::isTotal;

const BalanceRow *BalanceTable::find(qint64 code) const
{
    const auto it = byCode.constFind(code);
    return it == byCode.cend() ? nullptr : &rows[std::size_t(*it)];
}

namespace BalanceFile {

namespace {

struct Columns {
    IstatTable::Identity id;
    int p1 = -1, p31 = -1, births = -1, deaths = -1, info = -1;
    std::vector<int> inflow, outflow;
    bool gross = false;
};

const QString &kind()
{
    static const QString k = IstatTexts::kBalanceKind;
    return k;
}

bool isGross(const Heading &h, const char *word)
{
    return isTotal(h) && IstatTable::has(h, {word}) && !IstatTable::has(h, {"saldo"});
}

// Every gross column of one direction; a column of their total, where the
// file has one, alone.
std::vector<int> grossColumns(const std::vector<Heading> &hs, const char *word)
{
    std::vector<int> parts;
    for (std::size_t i = 0; i < hs.size(); ++i) {
        if (isGross(hs[i], word) && IstatTable::has(hs[i], {"totale"}))
            return {int(i)};
        if (isGross(hs[i], word))
            parts.push_back(int(i));
    }
    return parts;
}

// The balances of internal and foreign migration, and of other reasons where
// present; "saldo migratorio e per altri motivi" is their total, never a part.
std::vector<int> balanceColumns(const std::vector<Heading> &hs, const char *&missing)
{
    std::vector<int> parts;
    const std::pair<const char *, const char *> needed[] = {{"interno", "Saldo migratorio interno - Totale"},
                                                            {"estero", "Saldo migratorio con l'estero - Totale"}};
    for (const auto &[word, heading] : needed) {
        const char *part = word; // a copy: clang cannot capture a structured binding
        const int c = IstatTable::find(hs, [part](const Heading &h) {
            return isTotal(h) && IstatTable::has(h, {"saldo", part});
        });
        if (c < 0) {
            missing = heading;
            return {};
        }
        parts.push_back(c);
    }
    const int other = IstatTable::find(hs, [](const Heading &h) {
        return isTotal(h) && IstatTable::has(h, {"saldo", "altri", "motivi"}) && !IstatTable::has(h, {"e"});
    });
    if (other >= 0)
        parts.push_back(other);
    return parts;
}

// The total column holding every word given, not a balance.
int totalColumn(const std::vector<Heading> &hs, std::initializer_list<const char *> words)
{
    return IstatTable::find(hs, [words](const Heading &h) {
        return isTotal(h) && IstatTable::has(h, words) && !IstatTable::has(h, {"saldo"});
    });
}

IstatOutcome<Columns> columns(const IstatTable::Start &s, const QString &fileName)
{
    const auto id = IstatTable::identity(s, fileName, kind());
    if (const auto *no = std::get_if<IstatRefusal>(&id))
        return *no;
    Columns c;
    c.id = std::get<IstatTable::Identity>(id);
    const auto &hs = s.headings;
    c.p1 = totalColumn(hs, {"popolazione", "gennaio"});
    c.births = totalColumn(hs, {"nati"});
    c.deaths = totalColumn(hs, {"morti"});
    c.p31 = totalColumn(hs, {"popolazione", "dicembre"});
    c.info = IstatTable::find(hs, [](const Heading &h) { return IstatTable::has(h, {"informazioni"}); });
    c.inflow = grossColumns(hs, "iscritti");
    c.outflow = grossColumns(hs, "cancellati");
    c.gross = !c.inflow.empty() && !c.outflow.empty();
    const char *missingBalance = "";
    if (!c.gross)
        c.inflow = c.outflow = balanceColumns(hs, missingBalance);
    const std::pair<int, const char *> required[] = {{c.p1, "Popolazione al 1° gennaio - Totale"},
                                                     {c.births, "Nati vivi - Totale"},
                                                     {c.deaths, "Morti - Totale"},
                                                     {c.p31, "Popolazione al 31 dicembre - Totale"},
                                                     {c.inflow.empty() ? -1 : 0, missingBalance}};
    for (const auto &[column, heading] : required) {
        if (column < 0)
            return istatRefused(IstatTexts::missingColumn(fileName, kind(), QString::fromUtf8(heading)));
    }
    return c;
}

int lastColumn(const Columns &c)
{
    int last = std::max({c.id.code, c.id.name, c.p1, c.p31, c.births, c.deaths, c.info});
    for (const int i : c.inflow)
        last = std::max(last, i);
    for (const int i : c.outflow)
        last = std::max(last, i);
    return last;
}

QStringList headingsOf(const IstatTable::Start &s, const std::vector<int> &columns)
{
    QStringList out;
    for (const int i : columns)
        out.append(s.headings[std::size_t(i)].text);
    return out;
}

BalanceTable emptyTable(const QString &fileName, const IstatTable::Start &s, const Columns &c)
{
    BalanceTable t;
    t.fileName = fileName;
    t.year = s.year;
    t.grossFlows = c.gross;
    t.p1Column = s.headings[std::size_t(c.p1)].text;
    t.p31Column = s.headings[std::size_t(c.p31)].text;
    t.birthsColumn = s.headings[std::size_t(c.births)].text;
    t.deathsColumn = s.headings[std::size_t(c.deaths)].text;
    t.inflowColumns = headingsOf(s, c.inflow);
    t.outflowColumns = headingsOf(s, c.outflow);
    return t;
}

// The sum of the counts in the columns given, or the refusal naming a bad one.
IstatOutcome<qint64> sumAt(const IstatCsv::Records &r, const std::vector<int> &columns, const IstatTable::Start &s,
                           const QString &fileName)
{
    qint64 sum = 0;
    for (const int column : columns) {
        const auto value = IstatTable::countAt(r, column, s, fileName);
        if (const auto *no = std::get_if<IstatRefusal>(&value))
            return *no;
        sum += std::get<qint64>(value);
    }
    return sum;
}

bool provisional(const QString &info)
{
    const QStringList words = IstatCsv::words(info);
    return words.contains(QStringLiteral("p")) || info.contains(QStringLiteral("provvisori"), Qt::CaseInsensitive);
}

} // namespace

namespace {

// Counts of people, never negative, from the columns of a record.
std::optional<IstatRefusal> readCounts(const IstatCsv::Records &r, const Columns &c, const IstatTable::Start &s,
                                       const QString &fileName, BalanceRow &row)
{
    const std::pair<int, qint64 *> counts[] = {
        {c.p1, &row.p1}, {c.p31, &row.p31}, {c.births, &row.births}, {c.deaths, &row.deaths}};
    for (const auto &[column, into] : counts) {
        const auto value = IstatTable::countAt(r, column, s, fileName);
        if (const auto *no = std::get_if<IstatRefusal>(&value))
            return *no;
        *into = std::get<qint64>(value);
        if (*into < 0) {
            const QString typed = IstatCsv::text(r.fields()[std::size_t(column)]);
            return istatRefused(
                IstatTexts::notACount(fileName, r.number(), typed, s.headings[std::size_t(column)].text));
        }
    }
    return std::nullopt;
}

std::optional<IstatRefusal> readFlows(const IstatCsv::Records &r, const Columns &c, const IstatTable::Start &s,
                                      const QString &fileName, BalanceRow &row)
{
    const auto in = sumAt(r, c.inflow, s, fileName);
    if (const auto *no = std::get_if<IstatRefusal>(&in))
        return *no;
    if (!c.gross) {
        const qint64 net = std::get<qint64>(in);
        row.inflow = std::max<qint64>(net, 0);
        row.outflow = std::max<qint64>(-net, 0);
        return std::nullopt;
    }
    const auto out = sumAt(r, c.outflow, s, fileName);
    if (const auto *no = std::get_if<IstatRefusal>(&out))
        return *no;
    row.inflow = std::get<qint64>(in);
    row.outflow = std::get<qint64>(out);
    if (row.inflow < 0 || row.outflow < 0)
        return istatRefused(IstatTexts::negativeFlow(fileName, r.number()));
    return std::nullopt;
}

IstatOutcome<BalanceRow> rowAt(const IstatCsv::Records &r, const Columns &c, const IstatTable::Start &s,
                               const QString &fileName)
{
    const auto &f = r.fields();
    BalanceRow row;
    row.code = IstatCsv::text(f[std::size_t(c.id.code)]);
    row.name = IstatCsv::text(f[std::size_t(c.id.name)]);
    row.provisional = c.info >= 0 && provisional(IstatCsv::text(f[std::size_t(c.info)]));
    if (auto no = readCounts(r, c, s, fileName, row))
        return *no;
    if (auto no = readFlows(r, c, s, fileName, row))
        return *no;
    return row;
}

// The municipalities' records after the heading.
std::optional<IstatRefusal> readRows(IstatCsv::Records &records, const Columns &c, const IstatTable::Start &s,
                                     BalanceTable &t)
{
    const int last = lastColumn(c);
    QHash<qint64, qint64> lineOf;
    while (records.next()) {
        if (records.number() > kMaxLines)
            return istatRefused(IstatTexts::tooManyLines(t.fileName, kMaxLines));
        const auto &f = records.fields();
        const auto code = f.size() > std::size_t(c.id.code) ? IstatCsv::code(f[std::size_t(c.id.code)]) : std::nullopt;
        if (!code) // a blank, a total or a note
            continue;
        if (auto no = IstatTable::recordProblem(records, last, t.fileName, kMaxLines))
            return no;
        if (lineOf.contains(*code))
            return istatRefused(IstatTexts::listedTwice(t.fileName, IstatCsv::text(f[std::size_t(c.id.code)]),
                                                        lineOf.value(*code), records.number()));
        auto row = rowAt(records, c, s, t.fileName);
        if (const auto *no = std::get_if<IstatRefusal>(&row))
            return *no;
        lineOf.insert(*code, records.number());
        t.byCode.insert(*code, int(t.rows.size()));
        t.rows.push_back(std::move(std::get<BalanceRow>(row)));
    }
    return std::nullopt;
}

} // namespace

IstatOutcome<BalanceTable> parse(const QString &fileName, const QByteArray &bytes)
{
    return IstatTable::parse<BalanceTable>(fileName, bytes, kMaxBytes, kind(), columns,
                                           [&fileName](IstatCsv::Records &records, const Columns &c,
                                                       const IstatTable::Start &s) -> IstatOutcome<BalanceTable> {
                                               BalanceTable t = emptyTable(fileName, s, c);
                                               if (auto no = readRows(records, c, s, t))
                                                   return *no;
                                               return t;
                                           });
}

IstatOutcome<BalanceTable> read(const QString &path)
{
    const auto bytes = IstatFile::read(path, kMaxBytes);
    if (const auto *no = std::get_if<IstatRefusal>(&bytes))
        return *no;
    return parse(QFileInfo(path).fileName(), std::get<QByteArray>(bytes));
}

} // namespace BalanceFile
