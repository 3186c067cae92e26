#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace numeric {

// A typed text with the wide forms of an input method replaced by the ASCII
// characters they stand for, so that every reader of numbers and expressions
// sees one alphabet:
//   U+FF01..U+FF5E  full-width ASCII (digits, "．", "＋－＊／＾％（）＝", letters, "＄")
//   U+3000          the ideographic (full-width) space -> " "
//   U+00D7 "×" -> "*",  U+00F7 "÷" -> "/",  U+2212 "−" (minus sign) -> "-"
// Every other byte stays as it was, Japanese names and stray bytes included.
// A replaced character becomes one byte, so offsets into the narrowed text
// differ from those of the typed one; typedOffset() maps them back, so that
// a message can quote what the user typed.
class NarrowedText
{
public:
    // Keeps a view of `typed`, which must outlive this object.
    explicit NarrowedText(std::string_view typed);

    std::string_view text() const { return text_; }
    std::string_view typed() const { return typed_; }

    // The offset in the typed text of the character that starts at `offset`
    // in the narrowed text (text().size() maps to typed().size()).
    std::size_t typedOffset(std::size_t offset) const;

private:
    // Where the narrowed and typed texts line up again after a replacement.
    struct Joint
    {
        std::size_t narrowed;
        std::size_t typed;
    };

    std::string_view typed_;
    std::string text_;
    std::vector<Joint> joints_; // ascending; empty for a text without wide forms
};

} // namespace numeric
