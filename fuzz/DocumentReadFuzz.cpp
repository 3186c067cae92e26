// Feeds arbitrary bytes to the work document's reader, and checks that a
// document it opens writes back, reads back the same and writes the same
// bytes again; a refusal always has a message. Both unit systems of the
// window are tried, as a loss sheet's sizing target is read into either.
#include "document/DocumentFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Check(std::string_view bytes, losssheet::UnitSystem units)
{
    const document::ReadResult read = document::Read(bytes, units);
    if (!read.document) {
        if (read.problem.message.empty())
            std::abort();
        return;
    }
    const document::WriteResult written = document::Write(*read.document, units);
    if (written.problem)
        std::abort();
    const document::ReadResult again = document::Read(written.bytes, units);
    if (!again.document || !(*again.document == *read.document))
        std::abort();
    if (document::Write(*again.document, units).bytes != written.bytes)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    Check(bytes, losssheet::UnitSystem::Conventional);
    Check(bytes, losssheet::UnitSystem::SI);
    return 0;
}
