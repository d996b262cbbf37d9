#include "StudySource.h"

#include "StudyFile.h"

#include <algorithm>
#include <array>

namespace {

// Each group of the line opens with its tag and has a fixed count of fields.
const QString kMunicipality = QStringLiteral("comune"); // code, name
const QString kYear = QStringLiteral("anno");           // year, file, "p" or ""
const QString kAges = QStringLiteral("eta");            // year, file
const QString kInput = QStringLiteral("dato");          // name, value, formula, source, flags
const QString kCheck = QStringLiteral("verifica");      // from, to, start, computed, observed, difference, percent
constexpr qsizetype kLongestField = 2000;               // far beyond any formula or source
constexpr std::size_t kMostGroups = 200;

std::optional<qint64> whole(const QString &text)
{
    bool ok = false;
    const qint64 v = text.toLongLong(&ok);
    return ok ? std::optional<qint64>(v) : std::nullopt;
}

int arity(const QString &tag)
{
    if (tag == kMunicipality || tag == kAges)
        return 2;
    if (tag == kYear)
        return 3;
    if (tag == kInput)
        return 5;
    if (tag == kCheck)
        return 7;
    return -1;
}

bool readGroup(StudySource &s, const QString &tag, const QStringList &f)
{
    if (tag == kMunicipality) {
        s.code = f[0];
        s.name = f[1];
    } else if (tag == kYear) {
        const auto year = whole(f[0]);
        if (!year)
            return false;
        s.years.push_back({int(*year), f[1], f[2] == u"p"});
    } else if (tag == kAges) {
        const auto year = whole(f[0]);
        if (!year)
            return false;
        s.agesYear = int(*year);
        s.agesFile = f[1];
    } else if (tag == kInput) {
        s.inputs.push_back({f[0], f[1], f[2], f[3], f[4].contains(u'a'), f[4].contains(u'r')});
    } else {
        StudySource::Check c;
        std::array<qint64, 6> n{};
        for (std::size_t i = 0; i < n.size(); ++i) {
            const auto v = whole(f[qsizetype(i)]);
            if (!v)
                return false;
            n[i] = *v;
        }
        c.fromYear = int(n[0]);
        c.toYear = int(n[1]);
        c.start = n[2];
        c.computed = n[3];
        c.observed = n[4];
        c.difference = n[5];
        c.percent = f[6];
        s.check = c;
    }
    return true;
}

} // namespace

const StudySource::Input *StudySource::input(const QString &inputName) const
{
    const auto it = std::find_if(inputs.begin(), inputs.end(), [&](const Input &i) { return i.name == inputName; });
    return it == inputs.end() ? nullptr : &*it;
}

bool StudySource::anyProvisional() const
{
    return std::any_of(years.begin(), years.end(), [](const Year &y) { return y.provisional; });
}

QStringList StudySource::line() const
{
    QStringList f{kKeyword, kMunicipality, code, name};
    for (const Year &y : years)
        f << kYear << QString::number(y.year) << y.file << (y.provisional ? QStringLiteral("p") : QString());
    if (!agesFile.isEmpty())
        f << kAges << QString::number(agesYear) << agesFile;
    for (const Input &i : inputs) {
        const QString flags =
            QString(i.assumption ? QStringLiteral("a") : QString()) + (i.raised ? QStringLiteral("r") : QString());
        f << kInput << i.name << i.value << i.formula << i.source << flags;
    }
    if (check) {
        const Check &c = *check;
        f << kCheck << QString::number(c.fromYear) << QString::number(c.toYear) << QString::number(c.start)
          << QString::number(c.computed) << QString::number(c.observed) << QString::number(c.difference) << c.percent;
    }
    for (QString &field : f)
        field = StudyFile::storable(field, kLongestField);
    return f;
}

std::optional<StudySource> StudySource::fromLine(const QStringList &line)
{
    if (line.isEmpty() || line.front() != kKeyword)
        return std::nullopt;
    StudySource s;
    std::size_t groups = 0;
    for (qsizetype i = 1; i < line.size(); ++groups) {
        const int n = arity(line[i]);
        if (n < 0 || i + n >= line.size() || groups >= kMostGroups)
            return std::nullopt;
        if (!readGroup(s, line[i], line.mid(i + 1, n)))
            return std::nullopt;
        i += n + 1;
    }
    if (s.code.isEmpty() || s.years.empty())
        return std::nullopt;
    return s;
}
