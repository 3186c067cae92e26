#pragma once

#include <string>
#include <string_view>

namespace app::settings {

// Returns the text of a settings file with one key set, every other byte
// left as it was:
// - the first key line of that name in the first section of that name gets
//   the new value in place (the key's spelling, the blanks before the value
//   and the line end stay);
// - a missing key is added right after the last key line of that section
//   (or right after its header), so comments and blank lines that end the
//   section stay after it;
// - a missing section is added at the end of the text.
// Added lines use the line end of the text's first line ("\n" in a text
// without one). A last line without a line end gets one before anything is
// added after it. The section and key must be valid names (IsWritableName).
std::string WithKeySet(std::string_view text, std::string_view section, std::string_view key,
                       std::string_view value);

// The same in place, for a batch of keys: one text edited key by key gives
// the bytes of WithKeySet applied key by key, without a copy of the whole
// text per key.
void SetKey(std::string &text, std::string_view section, std::string_view key,
            std::string_view value);

// A name the writer can store so that the reader finds it again: not empty,
// no blanks around it, no line break or NUL, no "=" or "]", and not starting
// with "[" or ";".
bool IsWritableName(std::string_view name);

// A value the writer can store: no line break or NUL.
bool IsWritableValue(std::string_view value);

} // namespace app::settings
