// libFuzzer target: any bytes as a study file. Reading never fails badly, and
// whatever it reads and can store is read back the same after writing.
#include "storage/StudyFile.h"
#include "storage/StudySource.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto record = StudyFile::parse(bytes);
    if (!record)
        return 0;
    // A source line read is written storable, and reads back the same from then on.
    for (const QStringList &line : record->lines) {
        const auto source = StudySource::fromLine(line);
        if (!source)
            continue;
        const auto stored = StudySource::fromLine(source->line());
        if (!stored || StudySource::fromLine(stored->line()) != stored)
            std::abort();
    }
    const auto written = StudyFile::serialize(*record);
    if (!written)
        return 0;
    const auto again = StudyFile::parse(*written);
    // A field that survives writing must read back unchanged, except blanks
    // around an unquoted one, which reading trims.
    if (!again || again->inputs.size() != record->inputs.size())
        std::abort();
    // Windows-1252 bytes that happen to be valid UTF-8 (such as "Ã©") read
    // back as UTF-8 once: from then on the study must stay as it is.
    const auto settled = StudyFile::serialize(*again);
    if (!settled)
        return 0;
    const auto third = StudyFile::parse(*settled);
    if (!third || StudyFile::serialize(*third) != settled)
        std::abort();
    return 0;
}
