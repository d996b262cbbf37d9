// Where a study's inputs came from, kept in the study file's "fonte" line:
// ISTAT's tables and years, the municipality, each imported input with its
// value as imported, its formula and its source, and the check on the past.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct StudySource {
    static inline const QString kKeyword = QStringLiteral("fonte");

    struct Year {
        int year = 0;
        QString file;
        bool provisional = false;
        bool operator==(const Year &) const = default;
    };
    struct Input {
        QString name;  // the input's name in code ("tassofert")
        QString value; // as imported into its field
        QString formula;
        QString source;
        bool assumption = false; // the user's value, not derived
        bool raised = false;     // the share, raised to pass the women check
        bool operator==(const Input &) const = default;
    };
    struct Check {
        int fromYear = 0, toYear = 0;
        qint64 start = 0, computed = 0, observed = 0, difference = 0;
        QString percent; // signed, two decimals
        bool operator==(const Check &) const = default;
    };

    QString code, name;
    std::vector<Year> years;
    QString agesFile; // empty without POSAS
    int agesYear = 0;
    std::vector<Input> inputs;
    std::optional<Check> check;

    bool operator==(const StudySource &) const = default;

    const Input *input(const QString &inputName) const;
    bool anyProvisional() const;

    // The line's fields, keyword first, each storable in a study file.
    QStringList line() const;
    // Nothing when the line is no source line or is damaged.
    static std::optional<StudySource> fromLine(const QStringList &line);
};
