#pragma once

#include "app/record/journal/IsoTime.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// One line of the calculation record's journal (JSON Lines, UTF-8). Every
// line is one object whose first member is the format version "v" and whose
// second is its "type":
//   {"v":1,"type":"record","id":"…","time":"2025-06-01T10:11:12.345+09:00",
//    "page":"…","calculation":"…","warning":"…","note":"…",
//    "fields":[{"name":"…","caption":"…","text":"…","unit":"…","role":"input"}, …]}
//        a calculation; "role" is "input", "option" or "result"; a field may
//        add "stale":true, and from version 2 on "value":0.0105291 (the
//        number its text was written from, in full, where the page keeps it);
//        from version 3 on the record may add "document" with the document's file name
//        after "note" (the name of the work document open when it was made)
//   {"v":1,"type":"note","id":"…","note":"…"}     the note of a record changed
//   {"v":1,"type":"delete","ids":["…", …]}         records deleted
//   {"v":1,"type":"clear"}                         every earlier record deleted
// A line says the oldest version that can hold it: a record with a document
// name is version 3, a record with a field's "value" version 2, every other
// line version 1, as all lines were before there was a version 2. So a record
// made without a document is the same bytes as before, which every older
// program reads; an older program takes a version-2 or -3 line for a later
// version's, not for damage, and sets it aside whole (its reader is strict).
// The reader reads all three.
// "v" first and "type" second hold for every version, so that any reader can
// tell a later version's line from a damaged one. The reader is strict: a
// missing, repeated or unknown member, or a value of the wrong kind, makes the
// whole line unreadable, so nothing is ever half understood. The order of the
// other members is free.
namespace app::record::journal {

inline constexpr int FormatVersion = 3; // the latest this program reads and writes

enum class Role { Input, Option, Result };

struct Field
{
    std::string name;
    std::string caption;
    std::string text;
    std::string unit;
    Role role = Role::Input;
    bool stale = false;
    std::optional<double> value; // finite

    friend bool operator==(const Field &, const Field &) = default;
};

struct Record
{
    std::string id; // unique among all records, also across program instances
    Moment time;
    std::string page;
    std::string calculation;
    std::string warning;
    std::string note;
    std::string document; // the work document's name; empty for none
    std::vector<Field> fields;

    friend bool operator==(const Record &, const Record &) = default;
};

struct NoteChange
{
    std::string id;
    std::string note;
    friend bool operator==(const NoteChange &, const NoteChange &) = default;
};

struct Deletion
{
    std::vector<std::string> ids;
    friend bool operator==(const Deletion &, const Deletion &) = default;
};

struct ClearAll
{
    friend bool operator==(const ClearAll &, const ClearAll &) = default;
};

using Entry = std::variant<Record, NoteChange, Deletion, ClearAll>;

// Why a line could not be read.
enum class LineProblem {
    None,
    NotJson,       // not one JSON object: cut short, binary bytes, invalid UTF-8
    Unexpected,    // JSON, but not a line of this format (members, kinds, values)
    FutureVersion, // written by a later version of the program
};

// What one line says. Reading many lines into the same object reuses its
// storage, which makes reading a large journal several times faster.
struct Line
{
    enum Kind { RecordLine, NoteLine, DeleteLine, ClearLine } kind = RecordLine;
    Record record;     // for RecordLine
    NoteChange note;   // for NoteLine
    Deletion deletion; // for DeleteLine
};

// The entry as one line, "\n" included.
std::string EncodeLine(const Entry &entry);
void AppendLine(std::string &out, const Entry &entry);
void AppendLine(std::string &out, const Record &record); // without a copy into an Entry

// Reads one line without its "\n" (a final "\r" is allowed) into `out`;
// `out` holds nothing useful unless the answer is LineProblem::None.
LineProblem ReadLine(std::string_view text, Line &out);

// ReadLine as a value, for callers that read a line or two.
struct DecodedLine
{
    std::optional<Entry> entry;
    LineProblem problem = LineProblem::None;
};
DecodedLine DecodeLine(std::string_view text);

} // namespace app::record::journal
