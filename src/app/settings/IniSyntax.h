#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// The settings file's line syntax, shared by the reader and the writer so
// that both always agree on what a line means.
//
//   [Name]        a section header; text after "]" is ignored
//   Key=Value     a key line; the first "=" separates key and value
//   ; text        a comment
//   anything else is ignored (blank lines, lines without "=", a "[" line without "]")
//
// Blanks (space, tab, carriage return) around section names, keys and values
// are ignored, so "\r\n" and "\n" line ends read alike. Names match without
// regard to ASCII case.
namespace app::settings {

// Only the first 64 KiB of a line are looked at; the rest of a longer line is
// carried along unread. A settings line is a few dozen bytes, so this bounds
// the memory a huge or binary file can take without touching real content.
inline constexpr std::size_t kLineLookLimit = 64 * 1024;

// A value is cut to 1023 characters before it is used (the size of the value
// buffer of the original file format: 1024 characters with the terminator).
inline constexpr std::size_t kValueLimit = 1023;

// A UTF-8 byte-order mark at the start of the file belongs to no line.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

struct IniLine
{
    enum class Kind { Ignored, Section, Key };
    Kind kind = Kind::Ignored;
    std::string_view name;        // section or key name, without blanks
    std::string_view value;       // value of a key line, without blanks, not yet cut
    std::size_t equalsOffset = 0; // offset of the "=" of a key line
};

// Classifies one line (without its line end, and without a leading BOM).
// Only the first kLineLookLimit bytes are examined.
IniLine ClassifyLine(std::string_view line);

bool IsBlank(char c);
std::string_view TrimBlanks(std::string_view text);
bool NamesEqual(std::string_view a, std::string_view b);

// Reads a settings value as a 32-bit integer: optional blanks, an optional
// sign, then decimal digits, or hexadecimal digits after a "$" or after a
// "0x"/"0X" that is followed by at least one more character. The sign stands
// before any prefix and applies to the magnitude ("-0x10" is -16), so hex and
// decimal share the range -2147483648..2147483647: "0xFFFFFFFF" is out of
// range, not -1. Anything else gives nothing.
std::optional<std::int32_t> ParseInteger(std::string_view value);

} // namespace app::settings
