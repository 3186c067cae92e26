#pragma once

#include "app/record/journal/JournalLine.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Reading a journal back: its lines applied in order (records, notes,
// deletions, clear-all) to give the records that are still there.
namespace app::record::journal {

struct ReadBack
{
    std::vector<Record> records;           // oldest first, at most the cap, notes applied
    std::vector<std::size_t> recordStarts; // where each record's line starts in the bytes
    std::vector<std::string_view> damaged; // lines that could not be read, as they were
    std::size_t damagedBeforeClear = 0;    // the first of them, before the last clear-all
    std::size_t futureLines = 0;           // of those, lines of a later version
    std::size_t lines = 0;                 // lines that are not empty
    std::size_t beyondCap = 0;             // older records left out for the cap
};

// Reads every line of `bytes`; empty lines are skipped, and a last line
// without "\n" counts like any other. A note or deletion for a record that is
// not there (deleted, or left out for the cap) changes nothing.
ReadBack Replay(std::string_view bytes, std::size_t cap);

// A journal that holds exactly `records`, one line each.
std::string JournalText(const std::vector<Record> &records);

// The journal written anew while the program runs: the records of `back` and
// the lines it could not read, in their order in `bytes` (which `back` was
// read from). Lines this version cannot read (another running
// copy, maybe a later version, appended them) stay for the next start to set
// aside with a notice; those before the last clear-all go with it.
std::string CompactedText(std::string_view bytes, const ReadBack &back);

// The side file's text for damaged lines: each line as it was, with a "\n".
std::string DamagedText(const std::vector<std::string_view> &lines);

} // namespace app::record::journal
