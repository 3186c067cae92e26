// Texts as the program shows them become numbers only where a spreadsheet
// shows them back alike.
#include "spreadsheet/Cell.h"
#include "spreadsheet/Sheet.h"

#include <gtest/gtest.h>

using namespace spreadsheet;

namespace {

struct ShownCase
{
    const char *name;
    const char *text;
    bool number;
    double value = 0;
    const char *format = ""; // the number format that shows it so
};

class FromShownTextTest : public ::testing::TestWithParam<ShownCase>
{
};

TEST_P(FromShownTextTest, NumbersKeepTheirDecimalsAndTextsStayTexts)
{
    const ShownCase &c = GetParam();
    const Cell cell = FromShownText(c.text);
    if (std::string(c.text).empty()) {
        EXPECT_TRUE(std::holds_alternative<std::monostate>(cell));
        return;
    }
    if (!c.number) {
        ASSERT_TRUE(std::holds_alternative<std::string>(cell));
        EXPECT_EQ(std::get<std::string>(cell), c.text);
        return;
    }
    ASSERT_TRUE(std::holds_alternative<Number>(cell));
    EXPECT_EQ(std::get<Number>(cell).value, c.value);
    EXPECT_EQ(NumberFormat(std::get<Number>(cell)), c.format);
}

// The forms numeric::FormatFixed and numeric::FormatGeneral write, and texts
// that only look like numbers.
INSTANTIATE_TEST_SUITE_P(
    Texts, FromShownTextTest,
    ::testing::Values(
        ShownCase{"Integer", "3600", true, 3600, "0"},
        ShownCase{"ThreeDecimals", "5.128", true, 5.128, "0.000"},
        ShownCase{"TrailingZeros", "-0.500", true, -0.5, "0.000"},
        ShownCase{"Zero", "0", true, 0, "0"}, ShownCase{"NegativeZero", "-0.0", true, 0, "0.0"},
        ShownCase{"Scientific", "1.5E-3", true, 0.0015, "0.0E+00"},
        ShownCase{"ScientificNoSign", "1.23456789012346E17", true, 1.23456789012346E17,
                  "0.00000000000000E+00"},
        ShownCase{"LowerCaseExponent", "2e+06", true, 2e6, "0E+00"},
        ShownCase{"ManyDigits", "347.21854700831461", true, 347.21854700831461, "0.00000000000000"},
        ShownCase{"Empty", "", false}, ShownCase{"LeadingZeros", "007", false},
        ShownCase{"PlusSign", "+5", false}, ShownCase{"NoIntegerDigits", ".5", false},
        ShownCase{"NoDecimals", "5.", false}, ShownCase{"Overflow", "1E999", false},
        ShownCase{"Underflow", "1E-400", false}, ShownCase{"Stale", "0.064 ※未再計算", false},
        ShownCase{"Japanese", "矩形ダクト", false}, ShownCase{"ThousandsSeparator", "1,200", false},
        ShownCase{"LeadingBlank", " 5", false}, ShownCase{"MinusAlone", "-", false},
        ShownCase{"ExponentAlone", "1E", false}, ShownCase{"FullWidthDigits", "１２", false},
        ShownCase{"Formula", "=1+2", false}, ShownCase{"Infinity", "inf", false}),
    [](const auto &p) { return std::string(p.param.name); });

TEST(TableSheetTest, LabelColumnsStayTextsAndEmptyTextsEmpty)
{
    const Sheet sheet = TableSheet("状態点", {"記号", "乾球温度 ℃", "備考"},
                                   {{"1", "26.000", "007"}, {"A", "", ""}}, {0, 2});
    ASSERT_EQ(sheet.rows.size(), 2u);
    EXPECT_EQ(std::get<std::string>(sheet.rows[0][0]), "1");
    EXPECT_EQ(std::get<Number>(sheet.rows[0][1]).value, 26.0);
    EXPECT_EQ(std::get<std::string>(sheet.rows[0][2]), "007");
    EXPECT_TRUE(std::holds_alternative<std::monostate>(sheet.rows[1][1]));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(sheet.rows[1][2]));
    EXPECT_EQ(sheet.header[1], "乾球温度 ℃");
}

} // namespace
