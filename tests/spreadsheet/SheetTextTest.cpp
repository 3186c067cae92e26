// Texts and tab names as a workbook holds them, whatever a window hands over.
#include "spreadsheet/SheetText.h"

#include <gtest/gtest.h>

using namespace spreadsheet;

namespace {

std::string repeated(const std::string &text, std::size_t times)
{
    std::string all;
    for (std::size_t i = 0; i < times; ++i)
        all += text;
    return all;
}

TEST(CellTextTest, KeepsWhatXmlCarriesAndMendsTheRest)
{
    const struct
    {
        const char *name;
        std::string text;
        std::string cell;
    } cases[] = {
        {"Japanese", "亜鉛鉄板（板状で縦方向に継目）", "亜鉛鉄板（板状で縦方向に継目）"},
        {"Nul", std::string("系統\0A", 8), "系統A"},
        {"StrayContinuationByte", "a\x80z", "a\uFFFDz"},
        {"CutSequence", "a\xE3\x81", "a\uFFFD\uFFFD"},
        {"Overlong", "\xC0\xAF", "\uFFFD\uFFFD"},
        {"Surrogate", "\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"},
        {"NonCharacter", "a\uFFFEb\uFFFF", "a\uFFFDb\uFFFD"},
        {"Emoji", "😀", "😀"},
        {"LineBreakAndTab", "1行目\n2行目\t終", "1行目\n2行目\t終"},
        {"CarriageReturns", "a\r\nb\rc\r", "a\nb\nc\n"},
        {"ControlCharacters", "x\x01\x1f\x7fy", "x\x7fy"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CellText(c.text), c.cell);
    }
}

TEST(CellTextTest, LongTextsEndInAnEllipsisWithinTheLimit)
{
    const std::string ascii = CellText(std::string(100000, 'A'));
    EXPECT_EQ(ascii, std::string(32766, 'A') + "…");
    EXPECT_EQ(CellText(std::string(32767, 'A')), std::string(32767, 'A')) << "the limit itself";
    // Four UTF-16 units per pair of emoji: the cut never splits one.
    EXPECT_EQ(CellText(repeated("😀", 10), 6), repeated("😀", 2) + "…");
    EXPECT_EQ(CellText(repeated("あ", 40000)), repeated("あ", 32766) + "…");
}

TEST(SheetNamesTest, AreValidAndUniqueForExcel)
{
    const std::vector<std::string> wanted = {
        "ダクト寸法計算（圧損基準）",
        "a/b\\c?d*e[f]g:h",
        "'quoted'",
        "",
        "History",
        "Sheet",
        "sheet",
        repeated("あ", 40),
        repeated("あ", 40),
        "ダクト寸法計算（圧損基準）",
        "tab\there",
        repeated("x", 30) + "'y",
    };
    const std::vector<std::string> expected = {
        "ダクト寸法計算（圧損基準）",
        "a_b_c_d_e_f_g_h",
        "quoted",
        "Sheet",
        "History_",
        "Sheet (2)",
        "sheet (3)",
        repeated("あ", 31),
        repeated("あ", 27) + " (2)",
        "ダクト寸法計算（圧損基準） (2)",
        "tab_here",
        repeated("x", 30),
    };
    EXPECT_EQ(SheetNames(wanted), expected);
}

TEST(DisplayWidthTest, WideCharactersTakeTwoColumns)
{
    EXPECT_EQ(DisplayWidth("3600"), 4u);
    EXPECT_EQ(DisplayWidth("風量 [m3/h]"), 11u);
    EXPECT_EQ(DisplayWidth("ｱｲ"), 2u) << "half-width kana";
    EXPECT_EQ(DisplayWidth("ＡＢ"), 4u) << "full-width letters";
    EXPECT_EQ(DisplayWidth(""), 0u);
}

} // namespace
