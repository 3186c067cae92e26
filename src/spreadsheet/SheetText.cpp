#include "spreadsheet/SheetText.h"

#include <algorithm>
#include <cstdint>

namespace spreadsheet {

namespace {

constexpr char32_t Replacement = 0xFFFD;

// The code points of `text`; each byte of an invalid sequence (a stray
// continuation byte, a sequence cut short, an overlong form, a surrogate,
// beyond U+10FFFF) decodes as U+FFFD, as the Unicode standard recommends.
std::u32string decode(std::string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        int length = 0;
        char32_t c = 0;
        char32_t least = 0;
        if (byte < 0x80) {
            out.push_back(byte);
            ++i;
            continue;
        } else if ((byte & 0xE0) == 0xC0) {
            length = 2, c = byte & 0x1F, least = 0x80;
        } else if ((byte & 0xF0) == 0xE0) {
            length = 3, c = byte & 0x0F, least = 0x800;
        } else if ((byte & 0xF8) == 0xF0) {
            length = 4, c = byte & 0x07, least = 0x10000;
        } else {
            out.push_back(Replacement);
            ++i;
            continue;
        }
        bool valid = i + static_cast<std::size_t>(length) <= text.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        if (!valid || c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            out.push_back(Replacement);
            ++i;
            continue;
        }
        out.push_back(c);
        i += static_cast<std::size_t>(length);
    }
    return out;
}

void append(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::size_t utf16Units(char32_t c)
{
    return c >= 0x10000 ? 2 : 1;
}

std::string encode(const std::u32string &text)
{
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text)
        append(out, c);
    return out;
}

// The code points of a text that may stand in a cell.
std::u32string cleaned(std::string_view text)
{
    std::u32string code = decode(text);
    std::erase(code, U'\0');
    for (char32_t &c : code) {
        if (c == 0xFFFE || c == 0xFFFF)
            c = Replacement;
    }
    return code;
}

// `code` cut to at most `limit` UTF-16 units, at a character, ending in "…"
// when cut.
void cut(std::u32string &code, std::size_t limit)
{
    std::size_t units = 0;
    for (char32_t c : code)
        units += utf16Units(c);
    if (units <= limit)
        return;
    std::size_t keep = 0;
    units = 0;
    while (keep < code.size() && units + utf16Units(code[keep]) + 1 <= limit)
        units += utf16Units(code[keep++]);
    code.resize(keep);
    if (limit > 0)
        code.push_back(U'…');
}

std::string asciiLower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return text;
}

bool wide(char32_t c)
{
    // East Asian Wide and Fullwidth ranges (Unicode Standard Annex #11),
    // coarsely: Hangul Jamo, CJK and its punctuation, kana, Hangul
    // syllables, compatibility ideographs, vertical and full-width forms, and
    // the ideographic planes.
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

} // namespace

std::string CellText(std::string_view text, std::size_t limit)
{
    std::u32string code;
    const std::u32string all = cleaned(text);
    code.reserve(all.size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        const char32_t c = all[i];
        if (c == U'\r') {
            if (i + 1 == all.size() || all[i + 1] != U'\n')
                code.push_back(U'\n');
        } else if (c >= 0x20 || c == U'\t' || c == U'\n') {
            code.push_back(c);
        }
    }
    cut(code, limit);
    return encode(code);
}

std::vector<std::string> SheetNames(const std::vector<std::string> &wanted)
{
    constexpr std::size_t Limit = 31;
    std::vector<std::string> names;
    std::vector<std::string> taken; // lower-cased
    for (const std::string &want : wanted) {
        std::u32string code = cleaned(want);
        for (char32_t &c : code) {
            if (c < 0x20 || c == 0x7F || c == U'\\' || c == U'/' || c == U'?' || c == U'*' ||
                c == U'[' || c == U']' || c == U':')
                c = U'_';
        }
        while (!code.empty() && code.front() == U'\'')
            code.erase(code.begin());
        while (!code.empty() && code.back() == U'\'')
            code.pop_back();
        if (code.empty())
            code = U"Sheet";
        if (asciiLower(encode(code)) == "history")
            code += U'_';

        std::string name;
        for (int n = 1;; ++n) {
            const std::u32string suffix =
                n == 1 ? std::u32string() : decode(" (" + std::to_string(n) + ")");
            std::u32string base = code;
            std::size_t units = 0;
            std::size_t keep = 0;
            while (keep < base.size() && units + utf16Units(base[keep]) + suffix.size() <= Limit)
                units += utf16Units(base[keep++]);
            base.resize(keep);
            while (!base.empty() && base.back() == U'\'')
                base.pop_back(); // a cut may leave an apostrophe last
            name = encode(base + suffix);
            if (std::find(taken.begin(), taken.end(), asciiLower(name)) == taken.end())
                break;
        }
        taken.push_back(asciiLower(name));
        names.push_back(name);
    }
    return names;
}

std::size_t DisplayWidth(std::string_view text)
{
    std::size_t width = 0;
    for (char32_t c : decode(text))
        width += wide(c) ? 2 : 1;
    return width;
}

} // namespace spreadsheet
