#include "IstatPastCheck.h"

#include "IstatFormulas.h"
#include "estimate/NumberReading.h"
#include "estimate/ProjectionEngine.h"

#include <QLocale>

namespace IstatPastCheck {

namespace {

double typed(const IstatDerivation &d, IstatInput input)
{
    return NumberReading::italianNumber(d.input(input).value).value_or(0);
}

// What Calcola reads from the fields, with Y1 as start and Yn + 1 as target.
ProjectionParams params(const IstatDerivation &d)
{
    ProjectionParams p;
    p.startYear = d.years.front().year;
    p.span = int(d.years.size());
    p.fertilityRate = typed(d, IstatInput::FertilityRate);
    p.fertileSpan = typed(d, IstatInput::FertileEnd) - typed(d, IstatInput::FertileStart);
    p.infantMortality = typed(d, IstatInput::InfantMortality);
    p.medianAgeAtDeath = typed(d, IstatInput::MedianAge);
    p.immigrationRate = typed(d, IstatInput::Immigration);
    p.emigrationRate = typed(d, IstatInput::Emigration);
    p.womenShare = typed(d, IstatInput::WomenShare);
    return p;
}

} // namespace

QString sentence(int fromYear, int toYear, qint64 start, qint64 computed, qint64 observed, qint64 difference,
                 const QString &percent)
{
    const QString sign = difference > 0 ? QStringLiteral("+") : QString();
    return QStringLiteral("Verifica sul passato: partendo da %1 abitanti al 1° gennaio %2, il calcolo dà %3 abitanti "
                          "al 31 dicembre %4; l'ISTAT ne conta %5: differenza %6 (%7%).")
        .arg(IstatFormulas::shownText(start, 0))
        .arg(fromYear)
        .arg(IstatFormulas::shownText(computed, 0))
        .arg(toYear)
        .arg(IstatFormulas::shownText(observed, 0), sign + IstatFormulas::shownText(difference, 0), percent);
}

std::optional<PastCheck> run(const IstatDerivation &d)
{
    if (d.years.size() < 2)
        return std::nullopt;
    const ProjectionParams p = params(d);
    ProjectionTable table;
    table.inhabitants[1] = double(d.firstP1);
    const ProjectionOutcome out = ProjectionEngine::run(p, table);
    if (out.womenCheckFailed || !out.carried || !ProjectionEngine::cellsWithinBounds(table, p.span + 1))
        return std::nullopt;
    PastCheck c;
    c.fromYear = d.years.front().year;
    c.toYear = d.years.back().year;
    c.start = d.firstP1;
    c.computed = qint64(*out.carried);
    c.observed = d.lastP31;
    c.difference = c.computed - c.observed;
    const qint64 scaled = c.observed > 0 ? (20'000 * std::abs(c.difference) + c.observed) / (2 * c.observed) : 0;
    c.percent = (c.difference > 0   ? QStringLiteral("+")
                 : c.difference < 0 ? QStringLiteral("-")
                                    : QString()) +
                IstatFormulas::shownText(scaled, 2);
    c.text = sentence(c.fromYear, c.toYear, c.start, c.computed, c.observed, c.difference, c.percent);
    return c;
}

} // namespace IstatPastCheck
