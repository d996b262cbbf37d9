// The low and high hypotheses of a study, kept in the study file's "ipotesi"
// line: for each input that varies, its low and its high value as typed.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct StudyHypotheses {
    static inline const QString kKeyword = QStringLiteral("ipotesi");

    struct Values {
        QString input; // its name in code ("tassofert")
        QString low, high;
        bool operator==(const Values &) const = default;
    };
    std::vector<Values> values;

    bool operator==(const StudyHypotheses &) const = default;

    const Values *of(const QString &input) const;

    QStringList line() const;
    // Nothing when the line is no hypotheses line or is damaged.
    static std::optional<StudyHypotheses> fromLine(const QStringList &line);
};
