// The plan's sizing of a study, kept in the study file's "dimensionamento"
// line: the figures the user set, by key, as typed, and the rule the office
// cites for its own figures.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

struct StudySizing {
    static inline const QString kKeyword = QStringLiteral("dimensionamento");
    static inline const QString kRuleKey = QStringLiteral("regola");

    std::vector<std::pair<QString, QString>> values; // key, value as typed
    QString rule;                                    // empty: the national figures

    bool operator==(const StudySizing &) const = default;

    QString value(const QString &key) const;
    void setValue(const QString &key, const QString &value);

    QStringList line() const;
    // Nothing when the line is no sizing line or is damaged.
    static std::optional<StudySizing> fromLine(const QStringList &line);
};
