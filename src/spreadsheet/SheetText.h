#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Texts as a workbook can hold them, whatever a window hands over.
namespace spreadsheet {

// The most UTF-16 code units a cell holds (Excel's limit).
constexpr std::size_t CellTextLimit = 32767;

// `text` as every reader of a workbook gets it back: invalid UTF-8 and the
// non-characters U+FFFE and U+FFFF become U+FFFD; a line ends in LF alone,
// as a line break typed in a spreadsheet's cell does; other control
// characters than tab and LF are dropped (the file would carry them only
// escaped, as _x0001_, which not every reader undoes); and a text beyond
// `limit` UTF-16 units is cut at a character and ends in "…".
std::string CellText(std::string_view text, std::size_t limit = CellTextLimit);

// Names for tabs as Excel takes them, one per wanted name, in order: at most
// 31 UTF-16 units, none of \ / ? * [ ] : (each becomes "_"), no control
// characters, no apostrophe first or last, not "History", never empty
// ("Sheet"), and no two alike when case is ignored (a later one gains " (2)",
// " (3)" …).
std::vector<std::string> SheetNames(const std::vector<std::string> &wanted);

// Columns of a monospaced text the text takes: two for a wide (East Asian)
// character, one for others.
std::size_t DisplayWidth(std::string_view text);

} // namespace spreadsheet
