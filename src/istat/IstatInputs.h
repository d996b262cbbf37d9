// What an import gives: the user's choices, and for each input of the
// projection the text to type into its field, the formula with the numbers
// put in and its source; the check on the past.
#pragma once

#include <QString>
#include <algorithm>
#include <optional>
#include <vector>

// What the user chooses: the municipality, and the assumptions no table gives.
struct IstatChoices {
    QString municipality;       // its code or its name
    double infantMortality = 3; // per 1000 live births
    double fertileStart = 15;
    double fertileEnd = 50;
    double currentShare = 0; // the window's share of fertile women, used without POSAS
};

enum class IstatInput {
    StartYear,
    KnownInhabitants,
    FertilityRate,
    WomenShare,
    FertileStart,
    FertileEnd,
    InfantMortality,
    MedianAge,
    Immigration,
    Emigration
};

struct DerivedInput {
    IstatInput input = IstatInput::StartYear;
    QString name;
    QString value; // as typed into the field
    QString formula;
    QString source;
    bool assumption = false; // the user's value, not derived
    bool raised = false;     // the share, raised to pass the women check
};

struct IstatYear {
    int year = 0;
    QString fileName;
    bool provisional = false;
};

// The same calculation as Calcola from P1 of Y1 to Yn + 1, against P31 of Yn.
struct PastCheck {
    int fromYear = 0;
    int toYear = 0; // Yn
    qint64 start = 0;
    qint64 computed = 0;
    qint64 observed = 0;
    qint64 difference = 0; // computed - observed
    QString percent;       // of the observed, two decimals, signed
    QString text;
};

struct IstatDerivation {
    QString code, name;
    std::vector<IstatYear> years; // Y1 ... Yn
    QString agesFile;             // empty without POSAS
    int agesYear = 0;
    std::vector<DerivedInput> inputs;
    qint64 firstP1 = 0;
    qint64 lastP31 = 0;
    std::optional<PastCheck> pastCheck;

    const DerivedInput &input(IstatInput which) const
    {
        return *std::find_if(inputs.begin(), inputs.end(), [which](const DerivedInput &d) { return d.input == which; });
    }
    bool anyProvisional() const
    {
        return std::any_of(years.begin(), years.end(), [](const IstatYear &y) { return y.provisional; });
    }
};
