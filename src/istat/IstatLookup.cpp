#include "IstatLookup.h"

#include "IstatCsv.h"
#include "IstatTexts.h"

#include <algorithm>

namespace IstatLookup {

namespace {

// Enough names to recognise the one meant, few enough to read in a message.
constexpr qsizetype kMaxCandidates = 10;

qint64 codeOf(const QString &code)
{
    return IstatCsv::code(code.toLatin1()).value_or(-1);
}

QString labelled(const BalanceRow &row)
{
    return QStringLiteral("%1 (%2)").arg(row.name, row.code);
}

QStringList candidates(const std::vector<const BalanceRow *> &rows)
{
    QStringList out;
    for (const BalanceRow *row : rows)
        out.append(labelled(*row));
    out.sort(Qt::CaseInsensitive);
    if (out.size() > kMaxCandidates) {
        const qsizetype more = out.size() - kMaxCandidates;
        out = out.mid(0, kMaxCandidates);
        out.append(QStringLiteral("e altri %1").arg(more));
    }
    return out;
}

const BalanceRow *byName(const BalanceTable &table, const QString &key)
{
    const auto it = std::find_if(table.rows.begin(), table.rows.end(),
                                 [&key](const BalanceRow &row) { return nameKey(row.name) == key; });
    return it == table.rows.end() ? nullptr : &*it;
}

} // namespace

QString nameKey(const QString &name)
{
    return IstatCsv::words(name).join(u' ');
}

IstatOutcome<const BalanceRow *> find(const BalanceTable &table, const QString &query)
{
    const QString typed = query.trimmed();
    if (const auto code = IstatCsv::code(typed.toLatin1())) {
        if (const BalanceRow *row = table.find(*code))
            return row;
        return istatRefused(IstatTexts::municipalityNotFound(typed, table.fileName));
    }
    const QString key = nameKey(typed);
    std::vector<const BalanceRow *> exact, partial;
    for (const BalanceRow &row : table.rows) {
        const QString name = nameKey(row.name);
        if (name == key)
            exact.push_back(&row);
        else if (!key.isEmpty() && name.contains(key))
            partial.push_back(&row);
    }
    if (exact.size() == 1)
        return exact.front();
    if (exact.size() > 1)
        return istatRefused(IstatTexts::municipalityAmbiguous(typed, candidates(exact)));
    if (partial.empty())
        return istatRefused(IstatTexts::municipalityNotFound(typed, table.fileName));
    return istatRefused(IstatTexts::municipalityNotFound(typed, table.fileName, candidates(partial)));
}

IstatOutcome<std::vector<const BalanceRow *>> follow(const std::vector<const BalanceTable *> &tables,
                                                     const BalanceRow &chosen, const BalanceTable &found)
{
    std::vector<const BalanceRow *> rows;
    const QString key = nameKey(chosen.name);
    for (const BalanceTable *t : tables) {
        const BalanceRow *row = t->find(codeOf(chosen.code));
        if (row && nameKey(row->name) != key)
            return istatRefused(IstatTexts::nameChanged(chosen.code, chosen.name, found.year, row->name, t->year));
        if (!row) {
            if (const BalanceRow *other = byName(*t, key))
                return istatRefused(
                    IstatTexts::codeChanged(chosen.name, chosen.code, found.year, other->code, t->year));
            return istatRefused(IstatTexts::absentInYear(chosen.name, chosen.code, t->year, t->fileName));
        }
        rows.push_back(row);
    }
    return rows;
}

IstatOutcome<const AgeGroup *> ages(const AgeTable &table, const BalanceRow &chosen)
{
    const AgeGroup *group = table.find(codeOf(chosen.code));
    if (!group)
        return istatRefused(IstatTexts::absentInAges(chosen.name, chosen.code, table.fileName));
    if (nameKey(group->name) != nameKey(chosen.name))
        return istatRefused(IstatTexts::nameChangedInAges(chosen.code, chosen.name, group->name, table.fileName));
    return group;
}

} // namespace IstatLookup
