// libFuzzer target: any bytes as a study file. Reading never fails badly, and
// whatever it reads and can store is read back the same after writing.
#include "storage/StudyFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto record = StudyFile::parse(bytes);
    if (!record)
        return 0;
    const auto written = StudyFile::serialize(*record);
    if (!written)
        return 0;
    const auto again = StudyFile::parse(*written);
    // A field that survives writing must read back unchanged, except blanks
    // around an unquoted one, which reading trims.
    if (!again || again->inputs.size() != record->inputs.size())
        std::abort();
    if (StudyFile::serialize(*again) != written)
        std::abort();
    return 0;
}
