#include "IstatDerivation.h"

#include "IstatFormulas.h"
#include "IstatLimits.h"
#include "IstatLookup.h"
#include "IstatPastCheck.h"
#include "IstatTexts.h"

#include <algorithm>
#include <cmath>

namespace {

// Counts are within IstatCsv::kMaxCount and years within kMaxYears, so every
// product below fits in 128 bits with room; rounding is then exact.
__extension__ using Wide = __int128;

// num ÷ den rounded half up (num ≥ 0, den > 0).
qint64 rounded(Wide num, Wide den)
{
    return qint64((2 * num + den) / (2 * den));
}

qint64 thousandths(double value)
{
    return std::llround(value * 1000);
}

bool within(double value, IstatLimits::Bound b)
{
    return std::isfinite(value) && value >= b.lowest && value <= b.highest;
}

std::optional<IstatRefusal> checkChoices(const IstatChoices &c)
{
    const std::tuple<double, IstatLimits::Bound, IstatInput> choices[] = {
        {c.infantMortality, IstatLimits::of(ProjectionInput::mortinfanti), IstatInput::InfantMortality},
        {c.fertileStart, IstatLimits::of(ProjectionInput::iniziofert), IstatInput::FertileStart},
        {c.fertileEnd, IstatLimits::of(ProjectionInput::finefert), IstatInput::FertileEnd},
        {c.currentShare, IstatLimits::Bound{0, 100}, IstatInput::WomenShare}};
    for (const auto &[value, bound, input] : choices) {
        if (!within(value, bound))
            return istatRefused(
                IstatTexts::choiceOutOfBounds(IstatTexts::inputName(input), bound.lowest, bound.highest));
    }
    if (thousandths(c.fertileEnd) <= thousandths(c.fertileStart))
        return istatRefused(IstatTexts::fertileEndNotAfterStart());
    return std::nullopt;
}

// The tables by year, one per year, the years consecutive.
IstatOutcome<std::vector<const BalanceTable *>> ordered(const std::vector<BalanceTable> &balances)
{
    if (balances.empty())
        return istatRefused(IstatTexts::noBalance());
    if (balances.size() > std::size_t(IstatLimits::kMaxYears))
        return istatRefused(IstatTexts::tooManyYears(IstatLimits::kMaxYears));
    std::vector<const BalanceTable *> tables;
    tables.reserve(balances.size());
    for (const BalanceTable &t : balances)
        tables.push_back(&t);
    std::stable_sort(tables.begin(), tables.end(), [](auto *a, auto *b) { return a->year < b->year; });
    for (std::size_t i = 1; i < tables.size(); ++i) {
        if (tables[i]->year == tables[i - 1]->year)
            return istatRefused(IstatTexts::sameYear(tables[i - 1]->fileName, tables[i]->fileName, tables[i]->year));
        if (tables[i]->year != tables[i - 1]->year + 1)
            return istatRefused(IstatTexts::yearsNotConsecutive(tables[i - 1]->year, tables[i]->year));
    }
    return tables;
}

void addSums(IstatFigures &f, const std::vector<const BalanceRow *> &rows)
{
    for (const BalanceRow *r : rows) {
        f.p1 += r->p1;
        f.p31 += r->p31;
        f.births += r->births;
        f.deaths += r->deaths;
        f.inflow += r->inflow;
        f.outflow += r->outflow;
    }
}

// Women aged start ≤ age < end over everybody, in whole percent.
std::optional<IstatRefusal> agesShare(IstatFigures &f, const AgeGroup &g)
{
    qint64 sum = 0;
    for (int age = 0; age <= AgeGroup::kOldest; ++age) {
        const auto &counts = g.ages[std::size_t(age)];
        if (!counts)
            return istatRefused(IstatTexts::agesMissing(f.last->name, f.ages->fileName));
        sum += counts->total;
        if (qint64(age) * 1000 >= f.startK && qint64(age) * 1000 < f.endK)
            f.women += counts->women;
    }
    f.total = g.all ? g.all->total : sum;
    if (f.total <= 0)
        return istatRefused(IstatTexts::noWomenTotal(f.last->name, f.ages->fileName));
    f.agesShare = rounded(Wide(100) * f.women, f.total);
    f.shareK = f.agesShare * 1000;
    return std::nullopt;
}

} // namespace

namespace {

std::optional<IstatRefusal> rates(IstatFigures &f)
{
    const qint64 twiceMean = f.p1 + f.p31; // 2 × the sum of Pm
    if (twiceMean <= 0)
        return istatRefused(IstatTexts::noPopulation(f.last->name));
    f.immigration100 = rounded(Wide(200'000) * f.inflow, twiceMean);
    f.emigration100 = rounded(Wide(200'000) * f.outflow, twiceMean);
    // D - B × m ÷ 1000, in millionths: the deaths the model gives to old age.
    const Wide oldAgeDeaths = Wide(f.deaths) * 1'000'000 - Wide(f.births) * f.infantK;
    if (oldAgeDeaths <= 0) {
        const QString infant = IstatFormulas::shownText(rounded(Wide(f.births) * f.infantK, 100'000), 1, true);
        return istatRefused(IstatTexts::deathsTooFew(f.deaths, infant));
    }
    f.age10 = rounded(Wide(5'000'000) * twiceMean, oldAgeDeaths);
    return std::nullopt;
}

// The smallest whole percent that passes the women check, 50 × F ≤ A × share,
// when the share found does not.
void raiseShare(IstatFigures &f)
{
    const qint64 span = f.endK - f.startK;
    if (Wide(f.shareK) * f.age10 >= Wide(500) * span)
        return;
    f.shareK = (span + 2 * f.age10 - 1) / (2 * f.age10) * 1000;
    f.raised = true;
}

std::optional<IstatRefusal> outOfBounds(IstatInput input, qint64 scaled, int decimals, IstatLimits::Bound b)
{
    const double value = double(scaled) / std::pow(10.0, decimals);
    if (within(value, b))
        return std::nullopt;
    const QString typed = IstatFormulas::fieldText(scaled, decimals);
    return istatRefused(IstatTexts::derivedOutOfBounds(IstatTexts::inputName(input), typed, b.lowest, b.highest));
}

std::optional<IstatRefusal> compute(IstatFigures &f)
{
    if (auto no = rates(f))
        return no;
    if (f.age10 <= 0)
        return outOfBounds(IstatInput::MedianAge, f.age10, 1, {0.1, IstatLimits::of(ProjectionInput::aspvita).highest});
    // The window refuses a median age below the end of procreation.
    if (Wide(f.age10) * 100 < f.endK)
        return istatRefused(IstatTexts::medianAgeBelowFertileEnd(IstatFormulas::fieldText(f.age10, 1),
                                                                 IstatFormulas::fieldText(f.endK, 3, true)));
    raiseShare(f);
    if (double(f.shareK) / 1000 > IstatLimits::kMaxShare)
        return istatRefused(
            IstatTexts::shareTooHigh(IstatFormulas::fieldText(f.shareK, 3, true), IstatLimits::kMaxShare));
    const qint64 twiceMean = f.p1 + f.p31;
    f.fertility100 = rounded(Wide(f.births) * (f.endK - f.startK) * 20'000, Wide(twiceMean) * f.shareK);
    const std::tuple<IstatInput, qint64, int, IstatLimits::Bound> checks[] = {
        {IstatInput::MedianAge, f.age10, 1, IstatLimits::of(ProjectionInput::aspvita)},
        {IstatInput::Immigration, f.immigration100, 2, IstatLimits::of(ProjectionInput::immigr)},
        {IstatInput::Emigration, f.emigration100, 2, IstatLimits::of(ProjectionInput::emigr)},
        {IstatInput::FertilityRate, f.fertility100, 2, IstatLimits::of(ProjectionInput::tassofert)},
        {IstatInput::KnownInhabitants, f.last->p31, 0, IstatLimits::of(ProjectionInput::abitnoti)},
        {IstatInput::StartYear, f.tables.back()->year + 1, 0, IstatLimits::of(ProjectionInput::anno1)}};
    for (const auto &[input, scaled, decimals, bound] : checks) {
        if (auto no = outOfBounds(input, scaled, decimals, bound))
            return no;
    }
    return std::nullopt;
}

IstatDerivation assemble(const IstatFigures &f, const std::vector<const BalanceRow *> &rows)
{
    IstatDerivation d;
    d.code = f.last->code;
    d.name = f.last->name;
    for (std::size_t i = 0; i < rows.size(); ++i)
        d.years.push_back({f.tables[i]->year, f.tables[i]->fileName, rows[i]->provisional});
    if (f.ages) {
        d.agesFile = f.ages->fileName;
        d.agesYear = f.ages->year;
    }
    d.inputs = IstatFormulas::describe(f);
    d.firstP1 = rows.front()->p1;
    d.lastP31 = rows.back()->p31;
    d.pastCheck = IstatPastCheck::run(d);
    return d;
}

} // namespace

namespace IstatDerive {

IstatOutcome<IstatDerivation> derive(const std::vector<BalanceTable> &balances, const AgeTable *ages,
                                     const IstatChoices &choices)
{
    if (auto no = checkChoices(choices))
        return *no;
    const auto order = ordered(balances);
    if (const auto *no = std::get_if<IstatRefusal>(&order))
        return *no;
    IstatFigures f;
    f.tables = std::get<std::vector<const BalanceTable *>>(order);
    const auto found = IstatLookup::find(*f.tables.back(), choices.municipality);
    if (const auto *no = std::get_if<IstatRefusal>(&found))
        return *no;
    const auto rows = IstatLookup::follow(f.tables, *std::get<const BalanceRow *>(found), *f.tables.back());
    if (const auto *no = std::get_if<IstatRefusal>(&rows))
        return *no;
    const auto &chosen = std::get<std::vector<const BalanceRow *>>(rows);
    f.rows = chosen;
    f.last = chosen.back();
    addSums(f, chosen);
    f.infantK = thousandths(choices.infantMortality);
    f.startK = thousandths(choices.fertileStart);
    f.endK = thousandths(choices.fertileEnd);
    f.windowShareK = f.shareK = thousandths(choices.currentShare);
    if (ages) {
        f.ages = ages;
        const auto group = IstatLookup::ages(*ages, *f.last);
        if (const auto *no = std::get_if<IstatRefusal>(&group))
            return *no;
        if (auto no = agesShare(f, *std::get<const AgeGroup *>(group)))
            return *no;
    }
    if (auto no = compute(f))
        return *no;
    return assemble(f, chosen);
}

} // namespace IstatDerive
