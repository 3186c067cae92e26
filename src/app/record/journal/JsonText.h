#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The journal's reader of JSON (RFC 8259): one line, strictly, byte by byte,
// without building a document tree (a tree per line made reading a large
// journal several times slower). Its strings are written by the work
// document's writer (document::json::AppendString).
namespace app::record::journal {

// A strict reader over one JSON text. Every read skips the white space before
// it; a failed read leaves the position undefined, so callers give up on the
// line at the first false.
class JsonReader
{
public:
    explicit JsonReader(std::string_view text) : text_(text) {}

    // True when the next character is `c`, which is then consumed.
    bool consume(char c);
    // A string literal, unescaped into UTF-8. Fails on invalid UTF-8, a raw
    // control character, a bad escape or a lone surrogate.
    bool readString(std::string &out);
    // A number without fraction or exponent that fits into 64 bits.
    bool readInteger(std::int64_t &out);
    // Any number that a double holds (not one beyond its range).
    bool readDouble(double &out);
    bool readBool(bool &out);
    // Any value, checked but not kept; nesting deeper than `depthLimit` fails
    // (a line of 50 MB of "[" must not exhaust the stack).
    bool skipValue(int depthLimit = 64);
    // True when only white space is left.
    bool atEnd();

private:
    void skipSpace();
    bool readNumber();
    // Reads a number as readNumber does and whole into `out` (an integer or a
    // double) by std::from_chars.
    template <typename T> bool readNumberInto(T &out);
    bool readLiteral(std::string_view word);
    bool readEscape(std::string &out);
    bool readHex4(std::uint32_t &out);

    std::string_view text_;
    std::size_t pos_ = 0;
};

// Appends the code point as UTF-8; the caller has checked its range.
void AppendUtf8(std::string &out, std::uint32_t codePoint);

// The length of the valid UTF-8 sequence at the start of `s` (RFC 3629: no
// overlong forms, no surrogates, nothing above U+10FFFF), or 0.
std::size_t Utf8SequenceLength(std::string_view s);

} // namespace app::record::journal
