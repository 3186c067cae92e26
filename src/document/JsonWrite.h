#pragma once

#include "document/JsonValue.h"

#include <string>
#include <string_view>

namespace document::json {

// The value as UTF-8 text, the same bytes for the same value every time:
// members in their order, two spaces of indent per level, an array of plain
// values on one line ([-10, 50]), numbers as their text, non-ASCII characters
// as they are, and a line feed at the end. A string that is not UTF-8 (which
// no file gives) has its bad bytes written as U+FFFD, so the text is always
// JSON.
std::string Serialise(const Value &value);

// Appends `text` as a JSON string literal, quotes included: quote, backslash
// and control characters escaped, other characters as they are, and bytes
// that are not UTF-8 as U+FFFD, so what is written always reads back. The
// journal writes its lines' strings with it too.
void AppendString(std::string &out, std::string_view text);

} // namespace document::json
