#pragma once

#include "document/JsonValue.h"

#include <string>

namespace document::json {

// The value as UTF-8 text, the same bytes for the same value every time:
// members in their order, two spaces of indent per level, an array of plain
// values on one line ([-10, 50]), numbers as their text, non-ASCII characters
// as they are, and a line feed at the end. A string that is not UTF-8 (which
// no file gives) has its bad bytes written as U+FFFD, so the text is always
// JSON.
std::string Serialise(const Value &value);

} // namespace document::json
