// libFuzzer target: any bytes as an ISTAT table, bare or zipped. Reading never
// fails badly; what it accepts holds no negative count of people, and what is
// derived from it reads back as the numbers the projection's fields take.
#include "estimate/NumberReading.h"
#include "istat/IstatDerivation.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void deriveFirst(const BalanceTable &table)
{
    for (const BalanceRow &row : table.rows) {
        if (row.p1 < 0 || row.p31 < 0 || row.births < 0 || row.deaths < 0 || row.inflow < 0 || row.outflow < 0)
            std::abort();
    }
    IstatChoices choices;
    choices.municipality = table.rows.front().code;
    choices.currentShare = 20;
    const auto derived = IstatDerive::derive({table}, nullptr, choices);
    const auto *d = std::get_if<IstatDerivation>(&derived);
    if (!d)
        return;
    for (const DerivedInput &input : d->inputs) {
        if (!NumberReading::italianNumber(input.value))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto balance = BalanceFile::parse(QStringLiteral("P2_2023.csv"), bytes);
    if (const auto *table = std::get_if<BalanceTable>(&balance); table && !table->rows.empty())
        deriveFirst(*table);
    const auto ages = AgeFile::parse(QStringLiteral("POSAS_2024.csv"), bytes);
    if (const auto *table = std::get_if<AgeTable>(&ages)) {
        for (const AgeGroup &g : table->municipalities) {
            if (g.all && (g.all->men < 0 || g.all->women < 0 || g.all->total < 0))
                std::abort();
        }
    }
    return 0;
}
