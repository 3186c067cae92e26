#pragma once

#include "document/JsonValue.h"
#include "document/Problem.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace document::json {

// Far deeper than a document's own members go (six levels), so that a newer
// program's additions fit, and shallow enough that walking a value never
// comes near the stack's end.
inline constexpr int MaxDepth = 64;

// A file of the largest size (format::MaxFileSize) in a document's usual
// shape holds under a million values; a file of nothing but tiny values would
// hold eight million, which would take more than a gigabyte in memory.
inline constexpr std::size_t MaxValues = 1000000;

struct ParseResult
{
    std::optional<Value> value; // set when the text is one JSON value
    Problem problem;            // otherwise, with the place
};

// One JSON value (RFC 8259) from UTF-8 text without a byte order mark. The
// text is checked to be UTF-8 first, so that a bad byte is named as such; an
// object naming a member twice, nesting deeper than MaxDepth, more than
// MaxValues values and numbers beyond a double's range are refused.
ParseResult Parse(std::string_view text);

// The offset of the first byte that does not belong to a well-formed UTF-8
// sequence (no overlong forms, surrogates or code points above U+10FFFF).
std::optional<std::size_t> FirstInvalidUtf8(std::string_view text);

} // namespace document::json
