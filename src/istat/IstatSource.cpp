#include "IstatSource.h"

namespace IstatSource {

ProjectionInput projectionInput(IstatInput input)
{
    switch (input) {
    case IstatInput::StartYear:
        return ProjectionInput::anno1;
    case IstatInput::KnownInhabitants:
        return ProjectionInput::abitnoti;
    case IstatInput::FertilityRate:
        return ProjectionInput::tassofert;
    case IstatInput::WomenShare:
        return ProjectionInput::pdf;
    case IstatInput::FertileStart:
        return ProjectionInput::iniziofert;
    case IstatInput::FertileEnd:
        return ProjectionInput::finefert;
    case IstatInput::InfantMortality:
        return ProjectionInput::mortinfanti;
    case IstatInput::MedianAge:
        return ProjectionInput::aspvita;
    case IstatInput::Immigration:
        return ProjectionInput::immigr;
    case IstatInput::Emigration:
        break;
    }
    return ProjectionInput::emigr;
}

std::vector<std::pair<ProjectionInput, QString>> fieldValues(const IstatDerivation &d)
{
    std::vector<std::pair<ProjectionInput, QString>> values;
    for (const DerivedInput &i : d.inputs)
        values.emplace_back(projectionInput(i.input), i.value);
    return values;
}

StudySource of(const IstatDerivation &d)
{
    StudySource s;
    s.code = d.code;
    s.name = d.name;
    for (const IstatYear &y : d.years)
        s.years.push_back({y.year, y.fileName, y.provisional});
    s.agesFile = d.agesFile;
    s.agesYear = d.agesYear;
    for (const DerivedInput &i : d.inputs)
        s.inputs.push_back(
            {ProjectionInputs::name(projectionInput(i.input)), i.value, i.formula, i.source, i.assumption, i.raised});
    if (d.pastCheck) {
        const PastCheck &c = *d.pastCheck;
        s.check = StudySource::Check{c.fromYear, c.toYear, c.start, c.computed, c.observed, c.difference, c.percent};
    }
    return s;
}

} // namespace IstatSource
