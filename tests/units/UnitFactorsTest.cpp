#include "units/UnitFactors.h"

#include "numeric/Failure.h"
#include "numeric/Units.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Each field's factor towards its partner. Reference values: the row's
// defining figure and its reciprocal, to 20 digits (Python decimal, 50 digits).
TEST(ConversionFactor, EveryFieldTowardsItsPartner)
{
    const struct
    {
        int tag;
        long double factor;
    } cases[] = {
        {1, 0.1333224L},                // mmHg → kPa
        {2, 7.5006150504341355991L},    // kPa → mmHg, 1 / 0.1333224
        {3, 9.80665L},                  // mAq → kPa
        {4, 0.10197162129779282426L},   // kPa → mAq, 1 / 9.80665
        {5, 4.186L},                    // kcal → kJ
        {6, 0.23889154323936932633L},   // kJ → kcal, 1 / 4.186
        {7, 0.0011627906976744186047L}, // kcal/h → kW, 1 / 860
        {8, 860.0L},                    // kW → kcal/h
        {9, 9.8066520482173467907L},    // kgf → N, 1 / 0.1019716 (not 9.80665)
        {10, 0.1019716L},               // N → kgf
        {11, 4.186L},                   // kcal/(kgf·℃) → kJ/(kg·K)
        {12, 0.23889154323936932633L},  // and back, 1 / 4.186
        {13, 1.1627906976744186047L},   // kcal/(m·h·℃) → W/(m·K), 1 / 0.86
        {14, 0.86L},                    // and back
        {15, 1.1627906976744186047L},   // kcal/(m²·h·℃) → W/(m²·K), 1 / 0.86
        {16, 0.86L},                    // and back
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.tag);
        // Extended precision: within a few units of the 64-bit mantissa.
        EXPECT_NEAR(units::ConversionFactor(c.tag) / c.factor, 1.0L, 1e-18L);
        EXPECT_EQ(units::PartnerTag(units::PartnerTag(c.tag)), c.tag);
    }
    EXPECT_NE(units::ConversionFactor(9), numeric::PaPerMmAq);
}

TEST(ConversionFactor, TagsOutsideThePageAreRefused)
{
    for (int tag : {0, -1, 17}) {
        SCOPED_TRACE(tag);
        EXPECT_THROW(units::ConversionFactor(tag), numeric::RangeError);
    }
}

// Worked examples of the page; expected texts computed with Python decimal.
TEST(ConvertedText, SevenDecimals)
{
    const struct
    {
        const char *name;
        int tag;
        long double value;
        const char *text;
    } cases[] = {
        {"standard atmosphere", 1, 760, "101.3250240"},
        {"negative", 1, -760, "-101.3250240"},
        {"back to mmHg", 2, 101.325L, "759.9998200"},
        {"reciprocal pair gives one", 7, 860, "1.0000000"},
        {"zero", 9, 0, "0.0000000"},
        // 8.6E18 has 19 integer digits: the general form takes over.
        {"beyond 18 integer digits", 8, 1e16L, "8.6E18"},
        {"18 integer digits", 8, 1e15L, "860000000000000000.0000000"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(units::ConvertedText(c.tag, c.value), c.text);
    }
}

// The product is checked: an overflow is a failure, never an infinity.
TEST(Convert, OverflowFails)
{
    const struct
    {
        const char *name;
        int tag;
        long double value;
    } cases[] = {
        {"kW to kcal/h", 8, 1e4930L},
        {"mAq to kPa", 3, 1e4932L},
        {"negative", 8, -1e4930L},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(units::Convert(c.tag, c.value), numeric::FloatingPointFault);
    }
    // A factor below 1 takes the same value without complaint.
    EXPECT_TRUE(std::isfinite(units::Convert(7, 1e4930L)));
}

} // namespace
