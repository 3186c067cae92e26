#include "losssheet/SizeText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace losssheet;

TEST(SizeText, DuctSizesThatAreSizes)
{
    struct Case
    {
        const char *typed;
        bool round;
        long double a, b;
    };
    const Case cases[] = {
        {"500×300", false, 500, 300},
        {"500x300", false, 500, 300},
        {"500X300", false, 500, 300},
        {"500*300", false, 500, 300},
        {" 500 × 300 ", false, 500, 300},
        {"５００×３００", false, 500, 300},
        {"５００ｘ３００", false, 500, 300},
        {"312.5x200", false, 312.5L, 200},
        {"φ300", true, 300, 0},
        {"Φ300", true, 300, 0},
        {"ø300", true, 300, 0},
        {"Ø 300", true, 300, 0},
        {"⌀300", true, 300, 0},
        {"300", true, 300, 0},
        {"３００", true, 300, 0},
        {"　φ３００　", true, 300, 0},
        {"1e3", true, 1000, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        const auto size = ParseDuctSize(c.typed);
        ASSERT_TRUE(size);
        EXPECT_EQ(size->round, c.round);
        EXPECT_EQ(size->a, c.a);
        EXPECT_EQ(size->b, c.b);
    }
    EXPECT_EQ(DuctSizeText({false, 500, 300}), "500×300");
    EXPECT_EQ(DuctSizeText({true, 312.5L, 0}), "φ312.5");
}

TEST(SizeText, DuctSizesThatAreNoSizes)
{
    const std::string huge(100000, '9');
    for (const std::string &typed :
         {std::string("abc"), std::string("500×"), std::string("×300"), std::string("0"),
          std::string("-300"), std::string("500×300×200"), std::string("φ"), std::string("φ0"),
          std::string("300mm"), std::string("500×-300"), std::string("1e5000"),
          std::string("φ500×300"), std::string("５００×"), std::string("\x01\x02"), huge,
          std::string("500x300") + std::string(1, '\0')}) {
        SCOPED_TRACE(typed.substr(0, 20));
        EXPECT_FALSE(ParseDuctSize(typed));
        EXPECT_FALSE(IsBlankSize(typed));
    }
    EXPECT_TRUE(IsBlankSize(""));
    EXPECT_TRUE(IsBlankSize(" \t　"));
}

TEST(SizeText, NominalSizes)
{
    EXPECT_EQ(ParseNominalSize("50"), 6);
    EXPECT_EQ(ParseNominalSize("50A"), 6);
    EXPECT_EQ(ParseNominalSize(" 50 a "), 6);
    EXPECT_EQ(ParseNominalSize("５０Ａ"), 6);
    EXPECT_EQ(ParseNominalSize("10"), 0);
    EXPECT_EQ(ParseNominalSize("500"), 21);
    for (const char *typed : {"55", "50B", "2B", "A", "", "abc", "50.5", "-50", "1e400"})
        EXPECT_FALSE(ParseNominalSize(typed)) << typed;
}

} // namespace
