#include "numeric/NumberParse.h"
#include "numeric/Failure.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(NumberParse, PlainNumbersThatRead)
{
    const struct
    {
        const char *text;
        long double value;
    } cases[] = {
        {"0.100", 0.1L},  {"  12 ", 12.0L}, {"-3.5", -3.5L},   {"+2", 2.0L},
        {"5.", 5.0L},     {".5", 0.5L},     {"1E3", 1000.0L},  {"1e-3", 0.001L},
        {"2E+2", 200.0L}, {"\t7\t", 7.0L},  {"1E-5000", 0.0L}, {"1E4931", 1e4931L},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(numeric::ParsePlainNumber(c.text), c.value);
    }
}

TEST(NumberParse, PlainNumbersThatFailNameTheText)
{
    const char *cases[] = {"",    "   ",    "abc",   "1+1", "1 2",  "1,5",  ".",
                           "E5",  "1E",     "1E+",   "--1", "0x10", "$FF",  "inf",
                           "nan", "1E5000", "1.2.3", "-",   "+",    "1e5 x"};
    for (const char *text : cases) {
        SCOPED_TRACE(text);
        try {
            numeric::ParsePlainNumber(text);
            ADD_FAILURE() << "read as a number";
        } catch (const numeric::ConversionError &e) {
            EXPECT_EQ(e.what(), "'" + std::string(text) + "' は浮動小数点数ではありません");
        }
    }
}

// Full-width forms of an input method read as their ASCII forms; the
// message quotes the text as typed, never its ASCII form.
TEST(NumberParse, FullWidthPlainNumbers)
{
    const struct
    {
        const char *text;
        long double value;
    } cases[] = {
        {"１２", 12.0L},   {"３．５", 3.5L},      {"－５", -5.0L},      {"−５", -5.0L},
        {"＋２", 2.0L},    {"１Ｅ＋３", 1000.0L}, {"１ｅ－３", 0.001L}, {"　１２　", 12.0L},
        {"1２.５", 12.5L}, {"．５", 0.5L},        {"０．１００", 0.1L}, {" \t１Ｅ3　", 1000.0L},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(numeric::ParsePlainNumber(c.text), c.value);
    }

    const char *bad[] = {"１，５",
                         "１２　３",
                         "１＋１",
                         "ｉｎｆ",
                         "１ｅ",
                         "＄ＦＦ",
                         "１２ー",
                         "ー５",
                         "×５",
                         "−−５",
                         "１２\xEF\xBC",
                         "2\xE0\x83\x97"
                         "3"};
    for (const char *text : bad) {
        SCOPED_TRACE(text);
        try {
            numeric::ParsePlainNumber(text);
            ADD_FAILURE() << "read as a number";
        } catch (const numeric::ConversionError &e) {
            EXPECT_EQ(e.what(), "'" + std::string(text) + "' は浮動小数点数ではありません");
        }
    }
}

TEST(NumberParse, FullWidthWholeNumbers)
{
    EXPECT_EQ(numeric::ParseWholeNumber("７５"), 75);
    EXPECT_EQ(numeric::ParseWholeNumber("－５"), -5);
    EXPECT_EQ(numeric::ParseWholeNumber("−５"), -5);
    EXPECT_EQ(numeric::ParseWholeNumber("＋８０"), 80);
    EXPECT_EQ(numeric::ParseWholeNumber("２１４７４８３６４７"), 2147483647);
    EXPECT_EQ(numeric::ParseWholeNumber("7５"), 75);

    // Blanks stay refused, full-width or not, as do a point and the range's end.
    const char *bad[] = {"７５．５", "　７５", "７５　", "２１４７４８３６４８", "７５％", "ー５"};
    for (const char *text : bad) {
        SCOPED_TRACE(text);
        try {
            numeric::ParseWholeNumber(text);
            ADD_FAILURE() << "read as a whole number";
        } catch (const numeric::ConversionError &e) {
            EXPECT_EQ(e.what(), "'" + std::string(text) + "' は整数ではありません");
        }
    }
}

TEST(NumberParse, WholeNumbers)
{
    EXPECT_EQ(numeric::ParseWholeNumber("75"), 75);
    EXPECT_EQ(numeric::ParseWholeNumber("-5"), -5);
    EXPECT_EQ(numeric::ParseWholeNumber("+80"), 80);
    EXPECT_EQ(numeric::ParseWholeNumber("2147483647"), 2147483647);
    EXPECT_EQ(numeric::ParseWholeNumber("-2147483648"), -2147483647 - 1);

    const char *bad[] = {
        "75.5", "70+5", "",   " 75", "75 ", "2147483648", "-2147483649", "99999999999999999999",
        "abc",  "-",    "1e2"};
    for (const char *text : bad) {
        SCOPED_TRACE(text);
        try {
            numeric::ParseWholeNumber(text);
            ADD_FAILURE() << "read as a whole number";
        } catch (const numeric::ConversionError &e) {
            EXPECT_EQ(e.what(), "'" + std::string(text) + "' は整数ではありません");
        }
    }
}

TEST(NumberParse, DecimalWordsOfTheEvaluator)
{
    EXPECT_EQ(numeric::ConvertDecimalWord("5."), 5.0L);
    EXPECT_EQ(numeric::ConvertDecimalWord(".5"), 0.5L);
    EXPECT_EQ(numeric::ConvertDecimalWord("."), 0.0L);
    EXPECT_EQ(numeric::ConvertDecimalWord("2E"), 2.0L);
    EXPECT_EQ(numeric::ConvertDecimalWord("1.5E+3"), 1500.0L);
    EXPECT_EQ(numeric::ConvertDecimalWord("2e-3"), 0.002L);
    EXPECT_FALSE(numeric::ConvertDecimalWord("1.2.3"));
    EXPECT_FALSE(numeric::ConvertDecimalWord("2X"));
    EXPECT_FALSE(numeric::ConvertDecimalWord("1,5"));
    EXPECT_FALSE(numeric::ConvertDecimalWord("1E5000"));
}

} // namespace
