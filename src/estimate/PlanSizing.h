// From inhabitants to the plan: households, dwellings, residential volume and
// the public space of D.M. 2 aprile 1968, n. 1444, art. 3, for the start and
// the target year. The figures are the office's to change, the national ones
// by default; the arithmetic is exact on thousandths, rounding half up.
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

struct StudySizing;

namespace PlanSizing {

enum class Input {
    famiglia,
    variazione,
    sfitto,
    pregresso,
    volume,
    volume_connesso,
    std_istruzione,
    std_interesse,
    std_verde,
    std_parcheggi,
    esist_istruzione,
    esist_interesse,
    esist_verde,
    esist_parcheggi
};
inline constexpr int kInputCount = 14;

// The four categories of public space.
inline constexpr int kCategories = 4;

struct InputRow {
    Input input;
    const char *key;     // in the study file and vicania-cli
    const char *caption; // as the window, the documents and messages name it
    const char *unit;
    const char *national; // the national figure, typed; none: the office gives it
    bool fromDecree;      // the national figure is the decree's
    double lowest, highest;
};

const std::array<InputRow, kInputCount> &rows();
const InputRow &row(Input input);
std::optional<Input> byKey(const QString &key);
// The captions of the categories: "istruzione", "attrezzature di interesse comune", ...
QString categoryName(int category);

// The inputs as typed; an empty text is the national figure.
struct Inputs {
    std::array<QString, kInputCount> typed;
    QString text(Input input) const;
};

// What a value is refused for, by name; nothing when every value is a number within its bounds.
std::optional<QString> refusal(const Inputs &inputs);

struct Result {
    qint64 inhabitantsStart = 0, inhabitantsTarget = 0, difference = 0;
    qint64 sizeTarget1000 = 0; // household size at the target year, in thousandths
    qint64 householdsStart = 0, householdsTarget = 0;
    qint64 dwellings = 0, volume = 0;
    std::array<qint64, kCategories> required{}, shortfall{};
    qint64 requiredTotal = 0, shortfallTotal = 0;
    bool falling = false; // no growth: no new dwellings nor volume
};

// The sizing for the inhabitants at S and at T, n years apart; refused (with
// the message) when a value is refused or the household size at T is zero or less.
std::variant<Result, QString> compute(const Inputs &inputs, qint64 inhabitantsStart, qint64 inhabitantsTarget,
                                      int years);

// The CSV's lines: each result's name and its value ("componenti_arrivo" with two decimals).
std::vector<std::pair<QString, QString>> resultLines(const Result &r);

// A study's sizing: its figures, the rule the office cites for its own, and
// one column for the result, or one for each hypothesis.
struct Sizing {
    Inputs inputs;
    QString rule;
    int years = 0;
    std::vector<QString> names; // "Bassa", "Centrale", "Alta"; one empty name without hypotheses
    std::vector<Result> columns;
};

// The inputs of a study's sizing line.
Inputs inputsOf(const StudySizing &sizing);

} // namespace PlanSizing
