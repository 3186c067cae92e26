#include "document/Problem.h"

#include <algorithm>

namespace document {

TextPosition PositionOf(std::string_view text, std::size_t offset)
{
    offset = std::min(offset, text.size());
    TextPosition p;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < offset; ++i) {
        if (text[i] == '\n') {
            ++p.line;
            lineStart = i + 1;
        }
    }
    // Every byte but a continuation byte (10xxxxxx) starts a character.
    for (std::size_t i = lineStart; i < offset; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            ++p.column;
    }
    return p;
}

std::string Problem::text() const
{
    if (!position)
        return message;
    return message + "（" + std::to_string(position->line) + " 行 " +
           std::to_string(position->column) + " 列）";
}

} // namespace document
