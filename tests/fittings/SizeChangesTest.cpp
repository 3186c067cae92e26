#include "fittings/SizeChanges.h"
#include "Tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using namespace fittings;
using fittings_test::FourDecimals;

long double area(long double d)
{
    return d * d; // areas enter only as ratios
}

// fluids.fittings.change_K_basis: 0.5625 on 0.2 m is 9.0 on 0.4 m.
TEST(ChangeReference, ReferenceValue)
{
    EXPECT_NEAR(ChangeReference(0.5625L, area(0.2L), area(0.4L)), 9.0, 1e-12);
    EXPECT_NEAR(ChangeReference(9.0L, area(0.4L), area(0.2L)), 0.5625, 1e-12);
}

// Borda–Carnot, fluids.fittings.diffuser_sharp(method='Rennels'): ζ₁ on the
// small section, ζ₂ the same loss on the large one.
TEST(SuddenExpansion, ReferenceValues)
{
    struct Case
    {
        double d1, d2, zeta1, zeta2;
    };
    const Case cases[] = {{0.2, 0.4, 0.5625, 9.0},
                          {0.3, 0.4, 0.191406, 0.604938},
                          {0.5, 1.0, 0.5625, 9.0},
                          {0.25, 0.3, 0.0933642, 0.1936}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.d1 << " -> " << c.d2);
        const Coefficient k = SuddenExpansion(area(c.d1) / area(c.d2), 1e5L);
        EXPECT_EQ(k.reference, Reference::SmallSide);
        EXPECT_NEAR(k.value, c.zeta1, FourDecimals);
        EXPECT_NEAR(ChangeReference(k.value, area(c.d1), area(c.d2)), c.zeta2, FourDecimals);
    }
}

// The free exit (fluids.fittings.exit_normal) and, by hand, its loss at 5
// and 8 m/s in standard air, and the Borda–Carnot limit into a large duct.
TEST(FreeExit, ReferenceValues)
{
    const Coefficient exit = FreeExit();
    EXPECT_EQ(exit.value, 1.0L);
    EXPECT_EQ(exit.reference, Reference::Own);
    EXPECT_NEAR(exit.value * 1.2L * 5 * 5 / 2, 15.0, 1e-12);
    EXPECT_NEAR(exit.value * 1.2L * 8 * 8 / 2, 38.4, 1e-12);
    EXPECT_NEAR(SuddenExpansion(0.01L, 1e5L).value, 0.9801, 1e-12);
}

// Idelchik 4-9 by hand; Rennels and Crane from fluids.fittings.contraction_sharp.
TEST(SuddenContraction, ReferenceValues)
{
    struct Case
    {
        double d1, d2, idelchik, rennels, crane;
    };
    const Case cases[] = {{0.4, 0.2, 0.402964, 0.49558, 0.375},
                          {0.4, 0.3, 0.26897, 0.29437, 0.21875},
                          {1.0, 0.4, 0.438712, 0.530127, 0.42},
                          {0.3, 0.25, 0.205489, 0.184788, 0.152778}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.d1 << " -> " << c.d2);
        const long double ratio = area(c.d2) / area(c.d1);
        EXPECT_NEAR(SuddenContractionIdelchik(ratio, 1e5L).value, c.idelchik, FourDecimals);
        EXPECT_NEAR(SuddenContractionRennels(ratio).value, c.rennels, FourDecimals);
        EXPECT_NEAR(SuddenContractionCrane(ratio).value, c.crane, FourDecimals);
        EXPECT_EQ(SuddenContractionRennels(ratio).reference, Reference::SmallSide);
    }
}

// Hooper (1988), fluids.fittings.diffuser_sharp / contraction_sharp
// (method='Hooper'); both our results are on the small section, so the
// expansion's upstream K and the contraction's downstream K.
TEST(HooperSizeChange, ReferenceValues)
{
    const long double quarter = area(0.05L) / area(0.1L);
    EXPECT_NEAR(ExpansionHooper(quarter, 180, 1e5L, 0.02L).value, 0.5715, FourDecimals);
    EXPECT_NEAR(ExpansionHooper(quarter, 180, 2000, 0.02L).value, 1.875, FourDecimals);
    const Coefficient turbulent = ContractionHooper(quarter, 180, 1e5L, 0.02L);
    EXPECT_NEAR(turbulent.value, 0.4572, FourDecimals);
    EXPECT_NEAR(ChangeReference(turbulent.value, area(0.05L), area(0.1L)), 7.3152, FourDecimals);
    const Coefficient laminar = ContractionHooper(quarter, 180, 1000, 0.02L);
    EXPECT_NEAR(laminar.value, 1.275, FourDecimals);
    EXPECT_NEAR(ChangeReference(laminar.value, area(0.05L), area(0.1L)), 20.4, FourDecimals);
}

// Hooper's conical factors, by hand: 2.6·sin 10° for a 20° diffuser,
// 1.6·sin 15° for a 30° reducer and √sin 30° for a 60° one.
TEST(HooperSizeChange, ConicalFactors)
{
    const long double r = 0.25L;
    const long double sudden = ExpansionHooper(r, 180, 1e5L, 0.02L).value;
    EXPECT_NEAR(ExpansionHooper(r, 20, 1e5L, 0.02L).value,
                sudden * 2.6 * std::sin(std::numbers::pi / 18), 1e-12);
    EXPECT_EQ(ExpansionHooper(r, 60, 1e5L, 0.02L).value, sudden);
    const long double abrupt = ContractionHooper(r, 180, 1e5L, 0.02L).value;
    EXPECT_NEAR(ContractionHooper(r, 30, 1e5L, 0.02L).value,
                abrupt * 1.6 * std::sin(std::numbers::pi / 12), 1e-12);
    EXPECT_NEAR(ContractionHooper(r, 60, 1e5L, 0.02L).value, abrupt * std::sqrt(0.5), 1e-12);
}

TEST(SizeChanges, RangesWarnedAndDomainRefused)
{
    // Laminar flow through a sudden expansion: warned, Borda–Carnot kept.
    const Coefficient laminar = SuddenExpansion(0.25L, 2000);
    EXPECT_EQ(laminar.value, 0.5625L);
    EXPECT_EQ(laminar.warnings.size(), 1u);
    // A ratio above 1 (typed the wrong way round) is evaluated and warned…
    const Coefficient inverted = SuddenExpansion(4, 1e5L);
    EXPECT_EQ(inverted.value, 9.0L);
    EXPECT_EQ(inverted.warnings.size(), 1u);
    // …except where the formula cannot take it.
    EXPECT_THROW(SuddenContractionIdelchik(4, 1e5L), InvalidInput);
    EXPECT_THROW(SuddenExpansion(0, 1e5L), InvalidInput);
    EXPECT_THROW(SuddenContractionRennels(-0.5L), InvalidInput);
    EXPECT_THROW(ExpansionHooper(0.25L, 180, 0, 0.02L), InvalidInput);
}

} // namespace
