#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace eval {

// Byte-level reading rules of an expression text. The text is UTF-8; every
// character the grammar gives a meaning to is ASCII.

// A blank is any code from 1 to 32. A NUL byte inside the text also counts,
// so that skipping blanks passes over it as it passes over a control code.
bool IsBlank(char c);

// The eleven characters that end an operand word. A NUL byte inside the text
// ends a word as the end of the text does. Every byte of a multi-byte UTF-8
// character is 0x80 or above, so no part of one is ever a stop.
bool IsWordStop(char c);

// Length in bytes of the character at `pos` (< text.size()): a complete UTF-8
// sequence is one character; any other byte counts as a character of its own.
std::size_t CharacterLength(std::string_view text, std::size_t pos);

// The up to `maxBytes` bytes from `start` that a failure message quotes. It
// holds whole characters only and ends at a NUL byte, which would otherwise
// cut the message short wherever it is shown.
std::string ContextFrom(std::string_view text, std::size_t start, std::size_t maxBytes = 255);

// `text` with the ASCII letters a-z upper-cased; every other byte is kept.
std::string UpperCaseAscii(std::string_view text);

} // namespace eval
