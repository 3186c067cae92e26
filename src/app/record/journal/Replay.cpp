#include "app/record/journal/Replay.h"

#include <string.h> // memrchr (GNU)

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

namespace app::record::journal {

// The journal is read from its last line back to its first: then the
// newest records come first, a record needs keeping only while fewer than the
// cap are kept, and a note or deletion is known before the record it is
// about. Lines beyond the cap are still read, to find the damaged ones.
ReadBack Replay(std::string_view bytes, std::size_t cap)
{
    ReadBack result;
    std::vector<Record> newestFirst;
    std::vector<std::size_t> starts; // of newestFirst's lines
    std::unordered_set<std::string> kept, deleted;
    std::unordered_map<std::string, std::string> notes; // the latest note of each id
    bool cleared = false; // a clear-all was seen: every earlier record is gone
    Line line;

    std::size_t end = bytes.size();
    while (end > 0) {
        const void *newline = ::memrchr(bytes.data(), '\n', end);
        const std::size_t start =
            newline
                ? static_cast<std::size_t>(static_cast<const char *>(newline) - bytes.data()) + 1
                : 0;
        const std::string_view text = bytes.substr(start, end - start);
        end = start > 0 ? start - 1 : 0;
        if (text.empty() || text == "\r")
            continue;
        ++result.lines;
        const LineProblem problem = ReadLine(text, line);
        if (problem != LineProblem::None) {
            result.damaged.push_back(text);
            if (cleared)
                ++result.damagedBeforeClear;
            if (problem == LineProblem::FutureVersion)
                ++result.futureLines;
            continue;
        }
        switch (line.kind) {
        case Line::RecordLine: {
            Record &r = line.record;
            if (cleared || (!deleted.empty() && deleted.count(r.id)))
                break; // gone
            if (newestFirst.size() == cap) {
                ++result.beyondCap;
                break;
            }
            if (!kept.insert(r.id).second)
                break; // an older copy of a record already kept
            if (const auto note = notes.find(r.id); note != notes.end())
                r.note = note->second; // the scratch line is read anew next time
            newestFirst.push_back(r);  // a copy: `line` keeps its storage for the next line
            starts.push_back(start);
            break;
        }
        case Line::NoteLine:
            if (!cleared)
                notes.try_emplace(line.note.id, line.note.note);
            break;
        case Line::DeleteLine:
            deleted.insert(line.deletion.ids.begin(), line.deletion.ids.end());
            break;
        case Line::ClearLine:
            cleared = true;
            break;
        }
    }
    result.records.assign(std::make_move_iterator(newestFirst.rbegin()),
                          std::make_move_iterator(newestFirst.rend()));
    result.recordStarts.assign(starts.rbegin(), starts.rend());
    std::reverse(result.damaged.begin(), result.damaged.end());
    return result;
}

std::string JournalText(const std::vector<Record> &records)
{
    std::string text;
    for (const Record &r : records)
        AppendLine(text, r);
    return text;
}

std::string CompactedText(std::string_view bytes, const ReadBack &back)
{
    std::string text;
    std::size_t next = back.damagedBeforeClear;
    const auto startOf = [&](std::string_view line) {
        return static_cast<std::size_t>(line.data() - bytes.data());
    };
    const auto damagedUpTo = [&](std::size_t offset) {
        for (; next < back.damaged.size() && startOf(back.damaged[next]) < offset; ++next) {
            text.append(back.damaged[next]);
            text.push_back('\n');
        }
    };
    for (std::size_t i = 0; i < back.records.size(); ++i) {
        damagedUpTo(back.recordStarts[i]);
        AppendLine(text, back.records[i]);
    }
    damagedUpTo(bytes.size());
    return text;
}

std::string DamagedText(const std::vector<std::string_view> &lines)
{
    std::string text;
    for (std::string_view line : lines) {
        text.append(line);
        text.push_back('\n');
    }
    return text;
}

} // namespace app::record::journal
