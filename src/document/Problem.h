#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace document {

// A place in a text as an editor shows it: both counted from 1, the column
// in characters (UTF-8 sequences), not bytes.
struct TextPosition
{
    int line = 1;
    int column = 1;

    bool operator==(const TextPosition &) const = default;
};

// The line and column of the byte at `offset` in `text` (the end of the text
// when beyond it).
TextPosition PositionOf(std::string_view text, std::size_t offset);

// Why a file cannot be opened or a document cannot be saved, for the user.
struct Problem
{
    std::string message; // UTF-8, a whole sentence
    std::optional<TextPosition> position;

    // The message with its place, e.g. "…ありません。（3 行 15 列）"
    std::string text() const;
};

} // namespace document
