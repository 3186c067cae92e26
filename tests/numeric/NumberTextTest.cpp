#include "numeric/NumberText.h"

#include <gtest/gtest.h>

namespace {

struct FormatCase
{
    long double value;
    int digits;
    const char *text;
};

TEST(NumberText, FixedRoundsHalfAwayFromZeroOnTheDecimalExpansion)
{
    const FormatCase cases[] = {
        {5.0930L, 3, "5.093"},
        {0.05864L, 3, "0.059"},
        {546.5834L, 3, "546.583"},
        {0.0015L, 3, "0.002"}, // binary value lies below .0015; the expansion does not
        {2.0005L, 3, "2.001"},
        {0.1223L, 3, "0.122"},
        {0.0005L, 3, "0.001"}, // rounding reaches the first digit
        {0.0004L, 3, "0.000"},
        {0.00004L, 3, "0.000"}, // nothing left of the value
        {-0.5L, 3, "-0.500"},
        {-0.0004L, 3, "0.000"}, // no negative zero on screen
        {999.9995L, 3, "1000.000"},
        {0.0L, 3, "0.000"},
        {760.0L * 0.1333224L, 3, "101.325"},
        {101.325024L, 7, "101.3250240"},
        {1.0L / 0.86L, 7, "1.1627907"},
        {12.0L, 0, "12"},
        {123456789012345678.0L, 3, "123456789012345678.000"},
        {1.5e20L, 3, "1.5E20"}, // more than 18 integer digits
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(numeric::FormatFixed(c.value, c.digits), c.text);
    }
}

TEST(NumberText, GeneralFifteenDigits)
{
    const FormatCase cases[] = {
        {1.0L / 3.0L, 15, "0.333333333333333"},
        {3.0L, 15, "3"},
        {0.1L, 15, "0.1"},
        {-3.5L, 15, "-3.5"},
        {0.0L, 15, "0"},
        {0.000001L, 15, "1E-6"},
        {0.00001L, 15, "0.00001"}, // smallest magnitude in plain notation
        {0.0000123L, 15, "0.0000123"},
        {123456789012345678.0L, 15, "1.23456789012346E17"},
        {999999999999999.0L, 15, "999999999999999"},
        {1e15L, 15, "1E15"},
        {1.5e20L, 15, "1.5E20"},
        {-2.5e-7L, 15, "-2.5E-7"},
        {491.92440292342318L, 15, "491.924402923423"},
        {450.0L, 15, "450"},
        {101.325024L, 15, "101.325024"},
        {1e4931L, 15, "1E4931"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(numeric::FormatGeneral(c.value, c.digits), c.text);
    }
}

TEST(NumberText, GeneralFourDigits)
{
    const FormatCase cases[] = {
        {525.0L, 4, "525"},  {350.0L, 4, "350"},     {10050.0L, 4, "1.005E4"}, {9999.0L, 4, "9999"},
        {9999.5L, 4, "1E4"}, {123.456L, 4, "123.5"}, {0.5L, 4, "0.5"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(numeric::FormatGeneral(c.value, c.digits), c.text);
    }
}

} // namespace
