#include "StudySizing.h"

#include <algorithm>

namespace {

// Far more than the sizing's figures; a longer line is damaged.
constexpr qsizetype kMostPairs = 40;

} // namespace

QString StudySizing::value(const QString &key) const
{
    const auto it = std::find_if(values.begin(), values.end(), [&](const auto &v) { return v.first == key; });
    return it == values.end() ? QString() : it->second;
}

void StudySizing::setValue(const QString &key, const QString &value)
{
    std::erase_if(values, [&](const auto &v) { return v.first == key; });
    if (!value.trimmed().isEmpty())
        values.emplace_back(key, value.trimmed());
}

QStringList StudySizing::line() const
{
    QStringList f{kKeyword};
    for (const auto &[key, value] : values)
        f << key << value;
    if (!rule.isEmpty())
        f << kRuleKey << rule;
    return f;
}

std::optional<StudySizing> StudySizing::fromLine(const QStringList &line)
{
    if (line.isEmpty() || line.front() != kKeyword || line.size() % 2 != 1 || line.size() > 1 + 2 * kMostPairs)
        return std::nullopt;
    StudySizing s;
    for (qsizetype i = 1; i + 1 < line.size(); i += 2) {
        if (line[i].isEmpty())
            return std::nullopt;
        if (line[i] == kRuleKey)
            s.rule = line[i + 1];
        else
            s.setValue(line[i], line[i + 1]);
    }
    return s;
}
