// Feeds arbitrary bytes to the work document's reader, and checks that a
// document it opens writes back, reads back the same and writes the same
// bytes again; a refusal always has a message.
#include "document/DocumentFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const document::ReadResult read = document::Read(bytes);
    if (!read.document) {
        if (read.problem.message.empty())
            std::abort();
        return 0;
    }
    const document::WriteResult written = document::Write(*read.document);
    if (written.problem)
        std::abort();
    const document::ReadResult again = document::Read(written.bytes);
    if (!again.document || !(*again.document == *read.document))
        std::abort();
    if (document::Write(*again.document).bytes != written.bytes)
        std::abort();
    return 0;
}
