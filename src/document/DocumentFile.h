#pragma once

#include "document/Document.h"
#include "document/Problem.h"
#include "losssheet/SheetUnits.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A work document's file: UTF-8 JSON (docs/document-format.md). The window
// reads and writes the bytes; these turn them into a document and back.
namespace document {

struct ReadResult
{
    std::optional<Document> document; // the whole document, or nothing
    Problem problem;                  // why not, when there is none
};

// The document in a file's bytes. A UTF-8 byte order mark is skipped. Every
// problem (not UTF-8, not JSON, truncated, a newer version, a member of the
// wrong type or out of its range, too large) gives its message and no
// document; a syntax error's message has its line and column.
//
// A loss sheet's sizing target per metre is kept, as the sheet keeps it, in
// the window's unit system: `units` is that of the window, into which a
// target saved in the other one is converted (as on a switch of units).
ReadResult Read(std::string_view bytes, losssheet::UnitSystem units);

// A file of `size` bytes is refused by its size alone (more than
// format::MaxFileSize): the window asks before reading it.
std::optional<Problem> SizeProblem(std::uint64_t size);

struct WriteResult
{
    std::string bytes;              // the file's contents
    std::optional<Problem> problem; // set, with no bytes, when it cannot be written
};

// The file's bytes: the same document always gives the same bytes, and Read
// gives the document back. A document that Read would refuse (a value out of
// its range, a process using a missing point) is not written: the problem
// says which. `units` is the window's, which the sizing targets per metre
// are in (and said to be in).
WriteResult Write(const Document &document, losssheet::UnitSystem units);

} // namespace document
