#include "IstatTable.h"

#include "IstatTexts.h"

namespace IstatTable {

namespace {

// How far down the heading may be: past a title and a few notes.
constexpr qint64 kMaxLinesBeforeHeading = 10;

bool namesSex(const QStringList &words)
{
    if (words.isEmpty())
        return false;
    for (const QString &w : words) {
        if (w != u"totale" && w != u"maschi" && w != u"femmine")
            return false;
    }
    return true;
}

bool isIdentity(const Heading &h)
{
    return has(h, {"codice", "comune"});
}

} // namespace

Heading heading(const QString &text)
{
    const QStringList all = IstatCsv::words(text);
    const qsizetype dash = all.lastIndexOf(QStringLiteral("-"));
    Heading h{text, {}, {}};
    if (dash >= 0 && namesSex(all.mid(dash + 1))) {
        h.label = all.mid(0, dash);
        h.sex = all.mid(dash + 1);
    } else {
        h.label = all;
    }
    h.label.removeAll(QStringLiteral("-"));
    return h;
}

bool has(const Heading &h, std::initializer_list<const char *> words)
{
    for (const char *w : words) {
        if (!h.label.contains(QLatin1String(w)))
            return false;
    }
    return true;
}

bool isTotal(const Heading &h)
{
    if (!h.sex.isEmpty())
        return h.sex == QStringList{QStringLiteral("totale")};
    return !h.label.contains(QStringLiteral("maschi")) && !h.label.contains(QStringLiteral("femmine"));
}

IstatOutcome<Start> start(IstatCsv::Records &records, const QString &fileName, const QString &kind)
{
    Start s;
    while (records.number() < kMaxLinesBeforeHeading && records.next()) {
        std::vector<Heading> headings;
        for (const QByteArrayView field : records.fields())
            headings.push_back(heading(IstatCsv::text(field)));
        if (find(headings, isIdentity) >= 0) {
            s.headings = std::move(headings);
            break;
        }
        if (records.number() == 1 && !records.fields().empty())
            s.title = IstatCsv::text(records.fields().front());
    }
    if (s.headings.empty())
        return istatRefused(IstatTexts::missingColumn(fileName, kind, QStringLiteral("Codice comune")));
    const std::optional<int> year = IstatCsv::year(s.title, fileName);
    if (!year)
        return istatRefused(IstatTexts::noYear(fileName));
    s.year = *year;
    return s;
}

int find(const std::vector<Heading> &headings, const std::function<bool(const Heading &)> &matches)
{
    for (std::size_t i = 0; i < headings.size(); ++i) {
        if (matches(headings[i]))
            return int(i);
    }
    return -1;
}

IstatOutcome<Identity> identity(const Start &s, const QString &fileName, const QString &kind)
{
    Identity id;
    id.code = find(s.headings, isIdentity);
    id.name = find(s.headings, [](const Heading &h) { return has(h, {"comune"}) && !has(h, {"codice"}); });
    if (id.name < 0)
        return istatRefused(IstatTexts::missingColumn(fileName, kind, QStringLiteral("Comune")));
    return id;
}

std::optional<IstatRefusal> recordProblem(const IstatCsv::Records &records, int lastColumn, const QString &fileName,
                                          qint64 maxRecords)
{
    if (records.number() > maxRecords)
        return istatRefused(IstatTexts::tooManyLines(fileName, maxRecords));
    if (records.tooWide())
        return istatRefused(IstatTexts::tooWide(fileName, records.number(), IstatCsv::kMaxFields));
    if (records.fields().size() <= std::size_t(lastColumn))
        return istatRefused(IstatTexts::shortLine(fileName, records.number()));
    return std::nullopt;
}

IstatOutcome<qint64> countAt(const IstatCsv::Records &records, int column, const Start &s, const QString &fileName)
{
    const QByteArrayView field = records.fields()[std::size_t(column)];
    if (const std::optional<qint64> value = IstatCsv::count(field))
        return *value;
    return istatRefused(
        IstatTexts::notACount(fileName, records.number(), IstatCsv::text(field), s.headings[std::size_t(column)].text));
}

} // namespace IstatTable
