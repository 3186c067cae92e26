#include "numeric/NarrowedText.h"

#include <algorithm>

namespace numeric {

namespace {

bool isContinuation(unsigned char b)
{
    return (b & 0xC0) == 0x80;
}

// The ASCII character that a wide form stands for, or 0.
char asciiFormOf(char32_t c)
{
    // The full-width block mirrors ASCII 0x21..0x7E at a fixed distance
    // (Unicode chart "Halfwidth and Fullwidth Forms").
    if (c >= 0xFF01 && c <= 0xFF5E)
        return static_cast<char>(c - 0xFEE0);
    switch (c) {
    case 0x3000:
        return ' ';
    case 0x00D7:
        return '*';
    case 0x00F7:
        return '/';
    case 0x2212:
        return '-';
    default:
        return 0;
    }
}

// The character of a well-formed two- or three-byte UTF-8 sequence at `pos`,
// and its length; length 0 for anything else (every wide form is one of these).
struct Decoded
{
    char32_t code = 0;
    std::size_t length = 0;
};

Decoded decodeAt(std::string_view s, std::size_t pos)
{
    const auto b0 = static_cast<unsigned char>(s[pos]);
    const std::size_t left = s.size() - pos;
    if (b0 >= 0xC2 && b0 <= 0xDF && left >= 2) {
        const auto b1 = static_cast<unsigned char>(s[pos + 1]);
        if (isContinuation(b1))
            return {static_cast<char32_t>((b0 & 0x1F) << 6 | (b1 & 0x3F)), 2};
    } else if (b0 >= 0xE0 && b0 <= 0xEF && left >= 3) {
        const auto b1 = static_cast<unsigned char>(s[pos + 1]);
        const auto b2 = static_cast<unsigned char>(s[pos + 2]);
        if (isContinuation(b1) && isContinuation(b2)) {
            const auto code =
                static_cast<char32_t>((b0 & 0x0F) << 12 | (b1 & 0x3F) << 6 | (b2 & 0x3F));
            if (code >= 0x800) // an overlong form is no character
                return {code, 3};
        }
    }
    return {};
}

} // namespace

NarrowedText::NarrowedText(std::string_view typed) : typed_(typed)
{
    text_.reserve(typed.size());
    std::size_t copied = 0; // typed bytes up to here are in text_ already
    for (std::size_t pos = 0; pos < typed.size();) {
        if (static_cast<unsigned char>(typed[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const Decoded d = decodeAt(typed, pos);
        const char ascii = d.length ? asciiFormOf(d.code) : 0;
        if (!ascii) {
            ++pos;
            continue;
        }
        // Runs without a wide form are copied whole: a pasted text of
        // hundreds of kilobytes costs about one copy.
        text_.append(typed, copied, pos - copied);
        text_ += ascii;
        pos += d.length;
        copied = pos;
        joints_.push_back({text_.size(), pos});
    }
    text_.append(typed, copied, typed.size() - copied);
}

std::size_t NarrowedText::typedOffset(std::size_t offset) const
{
    // The last joint at or before the offset; past it both texts run byte for byte.
    const auto after =
        std::upper_bound(joints_.begin(), joints_.end(), offset,
                         [](std::size_t o, const Joint &j) { return o < j.narrowed; });
    if (after == joints_.begin())
        return offset;
    const Joint &joint = *(after - 1);
    return joint.typed + (offset - joint.narrowed);
}

} // namespace numeric
