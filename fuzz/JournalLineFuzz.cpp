// Feeds arbitrary bytes to the calculation record's journal reader, as a
// whole journal, and checks that whatever it keeps writes back and reads
// back the same, also when written anew with the lines it cannot read.
#include "app/record/journal/Replay.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace j = app::record::journal;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const j::ReadBack back = j::Replay(bytes, 8);
    if (back.records.size() > 8 || back.damaged.size() > back.lines)
        std::abort();
    const std::string written = j::JournalText(back.records);
    const j::ReadBack again = j::Replay(written, 8);
    if (!again.damaged.empty() || again.records != back.records)
        std::abort();
    const j::ReadBack compacted = j::Replay(j::CompactedText(bytes, back), 8);
    if (compacted.records != back.records ||
        compacted.damaged.size() != back.damaged.size() - back.damagedBeforeClear)
        std::abort();
    return 0;
}
