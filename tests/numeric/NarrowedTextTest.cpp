#include "numeric/NarrowedText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The forms come from the Unicode chart "Halfwidth and Fullwidth Forms"
// (U+FF01..U+FF5E mirror ASCII 0x21..0x7E) and the three signs the issue names.
TEST(NarrowedText, WideFormsBecomeAscii)
{
    const struct
    {
        const char *name;
        std::string typed;
        std::string narrowed;
    } cases[] = {
        {"ascii stays", "1+2*x", "1+2*x"},
        {"digits and point", "０１２３４５６７８９．", "0123456789."},
        {"operators and brackets", "＋－＊／＾％（）＝", "+-*/^%()="},
        {"first and last of the block", "！～", "!~"},
        {"letters of both cases", "ＳＱＲｐｉＥｅ＄ＦＦ", "SQRpiEe$FF"},
        {"ideographic space", "１　２", "1 2"},
        {"times, divide, minus sign", "2×3÷4−5", "2*3/4-5"},
        {"Japanese names stay", "風量＝ダクト", "風量=ダクト"},
        {"katakana long mark is no minus", "ー５", "ー5"},
        {"half-width katakana stays", "ｱ", "ｱ"},
        {"fullwidth signs outside the block stay", "￥￠", "￥￠"},
        {"stray and cut-off bytes stay", "\xFF\xEF\xBC", "\xFF\xEF\xBC"},
        {"overlong times sign is no character", "\xE0\x83\x97", "\xE0\x83\x97"},
        {"NUL stays", std::string("１\0２", 7),
         std::string("1\0"
                     "2",
                     3)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const numeric::NarrowedText text(c.typed);
        EXPECT_EQ(text.text(), c.narrowed);
        EXPECT_EQ(text.typed(), c.typed);
        EXPECT_EQ(text.typedOffset(text.text().size()), c.typed.size());
    }
}

TEST(NarrowedText, OffsetsMapBackToTheTypedCharacters)
{
    // "ａ" (3 bytes) "1" "×" (2 bytes) "風" (3 bytes, kept) "（" (3 bytes) "z"
    const numeric::NarrowedText text("ａ1×風（z");
    ASSERT_EQ(text.text(), "a1*風(z");
    const std::vector<std::size_t> expected = {
        0,  // a
        3,  // 1
        4,  // *
        6,  // 風, its three bytes kept
        7,  //
        8,  //
        9,  // (
        12, // z
        13, // end
    };
    for (std::size_t offset = 0; offset < expected.size(); ++offset) {
        SCOPED_TRACE(offset);
        EXPECT_EQ(text.typedOffset(offset), expected[offset]);
    }
}

} // namespace
