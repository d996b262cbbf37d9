#include "ProjectionTable.h"

#include "NumberReading.h"

#include <array>
#include <cmath>

void ProjectionTable::clearRow(int row)
{
    const auto r = static_cast<std::size_t>(row);
    year[r].reset();
    inhabitants[r] = 0;
    immigrants[r] = 0;
    emigrants[r] = 0;
    fertileWomen[r] = 0;
    births[r] = 0;
    infantDeaths[r] = 0;
    oldAgeDeaths[r] = 0;
    naturalChange[r] = 0;
}

QString gridCellText(const ProjectionTable &t, int row, GridColumn column)
{
    if (row < 1 || row > ProjectionTable::kLastRow)
        return column == GridColumn::ann ? QString() : QStringLiteral("0");
    const auto r = static_cast<std::size_t>(row);
    using NumberReading::integerText;
    using NumberReading::roundHalfUp;
    switch (column) {
    case GridColumn::ann:
        return t.year[r] ? NumberReading::plainText(*t.year[r]) : QString();
    case GridColumn::abit:
        return integerText(roundHalfUp(t.inhabitants[r]));
    case GridColumn::imm:
        return integerText(std::fabs(roundHalfUp(t.immigrants[r])));
    case GridColumn::em:
        return integerText(std::fabs(roundHalfUp(t.emigrants[r])));
    case GridColumn::donne:
        return integerText(roundHalfUp(t.fertileWomen[r]));
    case GridColumn::figli:
        return integerText(roundHalfUp(t.births[r]));
    case GridColumn::morti:
        return integerText(roundHalfUp(t.infantDeaths[r]));
    case GridColumn::mortivecch:
        return integerText(roundHalfUp(t.oldAgeDeaths[r]));
    case GridColumn::aument:
        return integerText(roundHalfUp(t.naturalChange[r]));
    }
    return QString();
}

namespace {

struct Header {
    const char *caption;
    const char *tooltip;
};

constexpr std::array<Header, kGridColumnCount> kHeaders = {{
    {"Anno", "Anno di riferimento"},
    {"Abitanti", "Numero di abitanti"},
    {"Immigrati", "Numero di immigrati"},
    {"Emigrati", "Numero di emigrati"},
    {"Donne", "Numero di donne in età di fecondità"},
    {"Nascite", "Numero delle nascite che superano i primi anni"},
    {"Mortalità", "Numero di bambini morti nei primi anni di vita"},
    {"Morti", "Numero di morti dopo l'età mediana di vita"},
    {"+/- abit.", "Incremento o decremento della popolazione"},
}};

} // namespace

QString gridHeaderCaption(GridColumn column)
{
    return QString::fromUtf8(kHeaders[static_cast<std::size_t>(column)].caption);
}

QString gridHeaderTooltip(GridColumn column)
{
    return QString::fromUtf8(kHeaders[static_cast<std::size_t>(column)].tooltip);
}
