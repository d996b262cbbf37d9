#include "StudyHypotheses.h"

#include <algorithm>

namespace {

// Far more than the inputs that vary; a longer line is damaged.
constexpr qsizetype kMostValues = 32;

} // namespace

const StudyHypotheses::Values *StudyHypotheses::of(const QString &input) const
{
    const auto it = std::find_if(values.begin(), values.end(), [&](const Values &v) { return v.input == input; });
    return it == values.end() ? nullptr : &*it;
}

QStringList StudyHypotheses::line() const
{
    QStringList f{kKeyword};
    for (const Values &v : values)
        f << v.input << v.low << v.high;
    return f;
}

std::optional<StudyHypotheses> StudyHypotheses::fromLine(const QStringList &line)
{
    if (line.isEmpty() || line.front() != kKeyword || (line.size() - 1) % 3 != 0 || line.size() > 1 + 3 * kMostValues)
        return std::nullopt;
    StudyHypotheses h;
    for (qsizetype i = 1; i + 2 < line.size(); i += 3) {
        if (line[i].isEmpty() || h.of(line[i]))
            return std::nullopt;
        h.values.push_back({line[i], line[i + 1], line[i + 2]});
    }
    return h;
}
