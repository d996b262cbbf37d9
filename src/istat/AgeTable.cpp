#include "AgeTable.h"

#include "IstatFile.h"
#include "IstatTable.h"
#include "IstatTexts.h"

#include <QFileInfo>

using IstatTable::Heading;

const AgeGroup *AgeTable::find(qint64 code) const
{
    const auto it = byCode.constFind(code);
    return it == byCode.cend() ? nullptr : &municipalities[std::size_t(*it)];
}

namespace AgeFile {

namespace {

struct Columns {
    IstatTable::Identity id;
    int age = -1, men = -1, women = -1, total = -1;
};

const QString &kind()
{
    static const QString k = IstatTexts::kAgeKind;
    return k;
}

// "Totale maschi", "Maschi" and the like: the sex and nothing else.
int sexColumn(const std::vector<Heading> &hs, const char *sex)
{
    return IstatTable::find(hs, [sex](const Heading &h) {
        QStringList rest = h.label;
        rest.removeAll(QStringLiteral("totale"));
        return h.sex.isEmpty() && rest == QStringList{QLatin1String(sex)};
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
    c.age = IstatTable::find(hs, [](const Heading &h) { return h.label == QStringList{QStringLiteral("eta")}; });
    c.men = sexColumn(hs, "maschi");
    c.women = sexColumn(hs, "femmine");
    c.total = IstatTable::find(hs, [](const Heading &h) { return h.label == QStringList{QStringLiteral("totale")}; });
    const std::pair<int, const char *> required[] = {
        {c.age, "Età"}, {c.men, "Totale maschi"}, {c.women, "Totale femmine"}, {c.total, "Totale"}};
    for (const auto &[column, heading] : required) {
        if (column < 0)
            return istatRefused(IstatTexts::missingColumn(fileName, kind(), QString::fromUtf8(heading)));
    }
    return c;
}

// The counts of the current record, in the order men, women, both.
IstatOutcome<AgeCounts> countsAt(const IstatCsv::Records &r, const Columns &c, const IstatTable::Start &s,
                                 const QString &fileName)
{
    AgeCounts counts;
    const std::pair<int, qint64 *> wanted[] = {
        {c.men, &counts.men}, {c.women, &counts.women}, {c.total, &counts.total}};
    for (const auto &[column, into] : wanted) {
        const auto value = IstatTable::countAt(r, column, s, fileName);
        if (const auto *no = std::get_if<IstatRefusal>(&value))
            return *no;
        *into = std::get<qint64>(value);
        if (*into < 0)
            return istatRefused(IstatTexts::notACount(fileName, r.number(),
                                                      IstatCsv::text(r.fields()[std::size_t(column)]),
                                                      s.headings[std::size_t(column)].text));
    }
    return counts;
}

AgeGroup &groupFor(AgeTable &t, qint64 code, const IstatCsv::Records &r, const Columns &c)
{
    const auto it = t.byCode.constFind(code);
    if (it != t.byCode.cend())
        return t.municipalities[std::size_t(*it)];
    t.byCode.insert(code, int(t.municipalities.size()));
    AgeGroup &g = t.municipalities.emplace_back();
    g.code = IstatCsv::text(r.fields()[std::size_t(c.id.code)]);
    g.name = IstatCsv::text(r.fields()[std::size_t(c.id.name)]);
    return g;
}

// One record into its municipality's ages.
std::optional<IstatRefusal> readRecord(const IstatCsv::Records &r, const Columns &c, const IstatTable::Start &s,
                                       qint64 code, AgeTable &t)
{
    if (!t.byCode.contains(code) && t.municipalities.size() >= std::size_t(kMaxMunicipalities))
        return istatRefused(IstatTexts::tooManyMunicipalities(t.fileName, kMaxMunicipalities));
    const QByteArrayView ageField = r.fields()[std::size_t(c.age)];
    const std::optional<qint64> age = IstatCsv::count(ageField);
    if (!age || *age < 0 || (*age > AgeGroup::kOldest && *age != kAllAges))
        return istatRefused(IstatTexts::badAge(t.fileName, r.number(), IstatCsv::text(ageField)));
    const auto counts = countsAt(r, c, s, t.fileName);
    if (const auto *no = std::get_if<IstatRefusal>(&counts))
        return *no;
    AgeGroup &g = groupFor(t, code, r, c);
    std::optional<AgeCounts> &slot = *age == kAllAges ? g.all : g.ages[std::size_t(*age)];
    if (slot)
        return istatRefused(IstatTexts::ageTwice(t.fileName, r.number(), g.code, int(*age)));
    slot = std::get<AgeCounts>(counts);
    return std::nullopt;
}

std::optional<IstatRefusal> readRows(IstatCsv::Records &records, const Columns &c, const IstatTable::Start &s,
                                     AgeTable &t)
{
    const int last = std::max({c.id.code, c.id.name, c.age, c.men, c.women, c.total});
    while (records.next()) {
        if (records.number() > kMaxLines)
            return istatRefused(IstatTexts::tooManyLines(t.fileName, kMaxLines));
        const auto &f = records.fields();
        const auto code = f.size() > std::size_t(c.id.code) ? IstatCsv::code(f[std::size_t(c.id.code)]) : std::nullopt;
        if (!code)
            continue;
        if (auto no = IstatTable::recordProblem(records, last, t.fileName, kMaxLines))
            return no;
        if (auto no = readRecord(records, c, s, *code, t))
            return no;
    }
    return std::nullopt;
}

} // namespace

IstatOutcome<AgeTable> parse(const QString &fileName, const QByteArray &bytes)
{
    return IstatTable::parse<AgeTable>(fileName, bytes, kMaxBytes, kind(), columns,
                                       [&fileName](IstatCsv::Records &records, const Columns &c,
                                                   const IstatTable::Start &s) -> IstatOutcome<AgeTable> {
                                           AgeTable t;
                                           t.fileName = fileName;
                                           t.year = s.year;
                                           t.womenColumn = s.headings[std::size_t(c.women)].text;
                                           t.totalColumn = s.headings[std::size_t(c.total)].text;
                                           if (auto no = readRows(records, c, s, t))
                                               return *no;
                                           return t;
                                       });
}

IstatOutcome<AgeTable> read(const QString &path)
{
    const auto bytes = IstatFile::read(path, kMaxBytes);
    if (const auto *no = std::get_if<IstatRefusal>(&bytes))
        return *no;
    return parse(QFileInfo(path).fileName(), std::get<QByteArray>(bytes));
}

} // namespace AgeFile
