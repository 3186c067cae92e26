#include "app/record/journal/JsonText.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <utility>

namespace app::record::journal {

void AppendUtf8(std::string &out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xc0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3f)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xe0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3f)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3f)));
    } else {
        out.push_back(static_cast<char>(0xf0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3f)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3f)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3f)));
    }
}

std::size_t Utf8SequenceLength(std::string_view s)
{
    // Table 3-7 of the Unicode Standard: the well-formed byte sequences.
    if (s.empty())
        return 0;
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const auto cont = [&](std::size_t i) { return i < s.size() && (b(i) & 0xc0) == 0x80; };
    const unsigned char c = b(0);
    if (c < 0x80)
        return 1;
    if (c >= 0xc2 && c <= 0xdf)
        return cont(1) ? 2 : 0;
    if (c >= 0xe0 && c <= 0xef) {
        if (s.size() < 3 || !cont(1) || !cont(2))
            return 0;
        if ((c == 0xe0 && b(1) < 0xa0) || (c == 0xed && b(1) > 0x9f))
            return 0; // overlong, or a surrogate
        return 3;
    }
    if (c >= 0xf0 && c <= 0xf4) {
        if (s.size() < 4 || !cont(1) || !cont(2) || !cont(3))
            return 0;
        if ((c == 0xf0 && b(1) < 0x90) || (c == 0xf4 && b(1) > 0x8f))
            return 0; // overlong, or above U+10FFFF
        return 4;
    }
    return 0;
}

void JsonReader::skipSpace()
{
    while (pos_ < text_.size()) {
        const char c = text_[pos_];
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
            return;
        ++pos_;
    }
}

bool JsonReader::consume(char c)
{
    skipSpace();
    if (pos_ < text_.size() && text_[pos_] == c) {
        ++pos_;
        return true;
    }
    return false;
}

bool JsonReader::atEnd()
{
    skipSpace();
    return pos_ == text_.size();
}

bool JsonReader::readHex4(std::uint32_t &out)
{
    if (text_.size() - pos_ < 4)
        return false;
    out = 0;
    for (int i = 0; i < 4; ++i) {
        const char c = text_[pos_++];
        out <<= 4;
        if (c >= '0' && c <= '9')
            out |= static_cast<std::uint32_t>(c - '0');
        else if (c >= 'a' && c <= 'f')
            out |= static_cast<std::uint32_t>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            out |= static_cast<std::uint32_t>(c - 'A' + 10);
        else
            return false;
    }
    return true;
}

bool JsonReader::readEscape(std::string &out)
{
    // The one-letter escapes: the letter and the character it stands for.
    static constexpr std::pair<char, char> Short[] = {{'"', '"'},  {'\\', '\\'}, {'/', '/'},
                                                      {'b', '\b'}, {'f', '\f'},  {'n', '\n'},
                                                      {'r', '\r'}, {'t', '\t'}};
    if (pos_ >= text_.size())
        return false;
    const char letter = text_[pos_++];
    for (const auto &[escape, c] : Short) {
        if (letter == escape) {
            out.push_back(c);
            return true;
        }
    }
    if (letter != 'u')
        return false;
    std::uint32_t unit = 0;
    if (!readHex4(unit))
        return false;
    if (unit >= 0xdc00 && unit <= 0xdfff)
        return false; // a low surrogate without its high one
    if (unit >= 0xd800 && unit <= 0xdbff) {
        std::uint32_t low = 0;
        if (text_.substr(pos_, 2) != "\\u")
            return false;
        pos_ += 2;
        if (!readHex4(low) || low < 0xdc00 || low > 0xdfff)
            return false;
        unit = 0x10000 + ((unit - 0xd800) << 10) + (low - 0xdc00);
    }
    AppendUtf8(out, unit);
    return true;
}

namespace {

// True when one of the eight bytes of `w` needs a closer look inside a string:
// a control character, '"', '\\' or a byte of a multibyte sequence (bit
// tricks after "Determine if a word has a byte less than n", Sean Eron
// Anderson, Bit Twiddling Hacks).
bool needsLook(std::uint64_t w)
{
    constexpr std::uint64_t Ones = 0x0101010101010101ULL;
    constexpr std::uint64_t Highs = 0x8080808080808080ULL;
    const auto hasZero = [](std::uint64_t v) { return (v - Ones) & ~v & Highs; };
    const std::uint64_t below20 = (w - Ones * 0x20) & ~w & Highs;
    return (below20 | hasZero(w ^ (Ones * '"')) | hasZero(w ^ (Ones * '\\')) | (w & Highs)) != 0;
}

} // namespace

bool JsonReader::readString(std::string &out)
{
    out.clear();
    if (!consume('"'))
        return false;
    const char *const data = text_.data();
    const std::size_t size = text_.size();
    while (pos_ < size) {
        // Runs of plain ASCII are copied in one piece, eight bytes at a look.
        std::size_t end = pos_;
        while (end + 8 <= size) {
            std::uint64_t word;
            std::memcpy(&word, data + end, 8);
            if (needsLook(word))
                break;
            end += 8;
        }
        while (end < size) {
            const auto c = static_cast<unsigned char>(data[end]);
            if (c < 0x20 || c == '"' || c == '\\' || c >= 0x80)
                break;
            ++end;
        }
        // Then multibyte sequences, checked but copied with the run.
        while (end < size && static_cast<unsigned char>(data[end]) >= 0x80) {
            const std::size_t length = Utf8SequenceLength(text_.substr(end, 4));
            if (length == 0)
                return false;
            end += length;
        }
        out.append(data + pos_, end - pos_);
        pos_ = end;
        if (pos_ == size)
            return false;
        const auto c = static_cast<unsigned char>(data[pos_]);
        if (c == '"') {
            ++pos_;
            return true;
        }
        if (c == '\\') {
            ++pos_;
            if (!readEscape(out))
                return false;
        } else if (c < 0x20) {
            return false;
        }
    }
    return false;
}

bool JsonReader::readNumber()
{
    // number = [ "-" ] int [ frac ] [ exp ]  (RFC 8259, section 6)
    const auto digit = [&] {
        return pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9';
    };
    const auto digits = [&] {
        if (!digit())
            return false;
        while (digit())
            ++pos_;
        return true;
    };
    if (pos_ < text_.size() && text_[pos_] == '-')
        ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '0')
        ++pos_;
    else if (!digits())
        return false;
    if (pos_ < text_.size() && text_[pos_] == '.') {
        ++pos_;
        if (!digits())
            return false;
    }
    if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
        ++pos_;
        if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-'))
            ++pos_;
        if (!digits())
            return false;
    }
    return true;
}

template <typename T> bool JsonReader::readNumberInto(T &out)
{
    skipSpace();
    const std::size_t start = pos_;
    if (!readNumber())
        return false;
    const std::string_view number = text_.substr(start, pos_ - start);
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), out);
    return error == std::errc() && end == number.data() + number.size();
}

bool JsonReader::readInteger(std::int64_t &out)
{
    return readNumberInto(out);
}

bool JsonReader::readDouble(double &out)
{
    return readNumberInto(out) && std::isfinite(out);
}

bool JsonReader::readLiteral(std::string_view word)
{
    skipSpace();
    if (text_.substr(pos_, word.size()) != word)
        return false;
    pos_ += word.size();
    return true;
}

bool JsonReader::readBool(bool &out)
{
    if (readLiteral("true")) {
        out = true;
        return true;
    }
    if (readLiteral("false")) {
        out = false;
        return true;
    }
    return false;
}

bool JsonReader::skipValue(int depthLimit)
{
    skipSpace();
    if (pos_ >= text_.size() || depthLimit <= 0)
        return false;
    std::string ignored;
    switch (text_[pos_]) {
    case '"':
        return readString(ignored);
    case 't':
        return readLiteral("true");
    case 'f':
        return readLiteral("false");
    case 'n':
        return readLiteral("null");
    case '[':
        ++pos_;
        if (consume(']'))
            return true;
        do {
            if (!skipValue(depthLimit - 1))
                return false;
        } while (consume(','));
        return consume(']');
    case '{':
        ++pos_;
        if (consume('}'))
            return true;
        do {
            if (!readString(ignored) || !consume(':') || !skipValue(depthLimit - 1))
                return false;
        } while (consume(','));
        return consume('}');
    default:
        return readNumber();
    }
}

} // namespace app::record::journal
