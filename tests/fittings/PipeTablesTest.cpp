#include "Tolerance.h"
#include "fittings/CraneLengthRatio.h"
#include "fittings/Equipment.h"
#include "fittings/EquivalentLength.h"
#include "fittings/NominalInches.h"
#include "fittings/ThreeK.h"
#include "fittings/TwoK.h"

#include <gtest/gtest.h>

namespace {

using namespace fittings;
using fittings_test::FourDecimals;

struct RowCase
{
    int row;           // numbered from 1, as in the table
    double small, big; // K at the table's two test points
};

// Every row of Darby's table at NPS 2, Re 10⁵ and NPS 6, Re 10⁶
// (fluids.fittings.Darby3K).
TEST(ThreeK, EveryRowAtTheReferencePoints)
{
    const RowCase cases[] = {
        {1, 0.602861, 0.467947},   {2, 0.321214, 0.246006},  {3, 0.39466, 0.304445},
        {4, 0.241396, 0.184387},   {5, 0.283074, 0.217171},  {6, 0.33886, 0.25982},
        {7, 1.15723, 0.901926},    {8, 0.302456, 0.231672},  {9, 0.162401, 0.121676},
        {10, 0.318214, 0.245706},  {11, 0.225948, 0.174012}, {12, 0.370415, 0.287462},
        {13, 0.225948, 0.174012},  {14, 0.987272, 0.768455}, {15, 0.519881, 0.401412},
        {16, 0.434901, 0.334676},  {17, 1.16923, 0.914773},  {18, 0.602861, 0.467947},
        {19, 1.19772, 0.935094},   {20, 1.45466, 1.1355},    {21, 0.38866, 0.303845},
        {22, 0.21395, 0.166988},   {23, 0.001, 0.0001},      {24, 1.07175, 0.835141},
        {25, 2.94182, 2.30337},    {26, 6.68598, 5.27675},   {27, 1.74709, 1.36857},
        {28, 0.353094, 0.275681},  {29, 0.597861, 0.467447}, {30, 0.157208, 0.121599},
        {31, 0.068329, 0.0520593}, {32, 3.44623, 2.66615},   {33, 1.96954, 1.53641},
        {34, 11.6667, 9.17879},
    };
    ASSERT_EQ(ThreeKRows().size(), std::size(cases));
    for (const RowCase &c : cases) {
        SCOPED_TRACE(c.row);
        const ThreeKRow &row = ThreeKRows()[static_cast<std::size_t>(c.row - 1)];
        EXPECT_NEAR(ThreeK(row, 1e5L, 2).value, c.small, FourDecimals);
        EXPECT_NEAR(ThreeK(row, 1e6L, 6).value, c.big, FourDecimals);
    }
}

// The reference's spot tests of fluids.fittings.Darby3K.
TEST(ThreeK, SpotTests)
{
    struct Case
    {
        int row;
        double inches, reynolds, k;
    };
    const Case cases[] = {{1, 1, 1e4, 0.78},
                          {30, 4, 2e5, 0.133702},
                          {26, 2, 1e3, 8.17098},
                          {17, 0.75, 5e4, 1.47879},
                          {24, 2, 1e4, 1.15725}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.row);
        const ThreeKRow &row = ThreeKRows()[static_cast<std::size_t>(c.row - 1)];
        EXPECT_NEAR(ThreeK(row, c.reynolds, c.inches).value, c.k, FourDecimals);
    }
    // Beyond 24 in the constants are extrapolated: warned.
    EXPECT_EQ(ThreeK(ThreeKRows()[0], 1e6L, 30).warnings.size(), 1u);
}

// Every row of Hooper's table at D = 2.067 in, Re 10⁵ and D = 6.065 in,
// Re 10⁶ (fluids.fittings.Hooper2K with the row's K₁ and K∞).
TEST(TwoK, EveryRowAtTheReferencePoints)
{
    const RowCase cases[] = {
        {1, 0.601517, 0.466752},  {2, 0.378948, 0.29202},   {3, 0.304759, 0.233776},
        {4, 1.71636, 1.34061},    {5, 0.527328, 0.408508},  {6, 0.453138, 0.350264},
        {7, 0.408624, 0.315318},  {8, 0.378948, 0.29202},   {9, 0.301759, 0.233476},
        {10, 0.227569, 0.175232}, {11, 0.375948, 0.29172},  {12, 0.227569, 0.175232},
        {13, 0.900276, 0.699928}, {14, 0.529328, 0.408708}, {15, 0.455138, 0.350464},
        {16, 1.04366, 0.815916},  {17, 0.601517, 0.466752}, {18, 1.19503, 0.932704},
        {19, 1.49379, 1.16588},   {20, 0.150379, 0.116688}, {21, 0.0756896, 0.058394},
        {22, 0.001, 0.0001},      {23, 0.151379, 0.116788}, {24, 0.227569, 0.175232},
        {25, 0.380948, 0.29222},  {26, 5.95017, 4.66102},   {27, 2.97759, 2.33076},
        {28, 2.97759, 2.33076},   {29, 0.378948, 0.29202},  {30, 14.8579, 11.6508},
        {31, 2.24069, 1.74882},   {32, 0.751896, 0.58344},
    };
    ASSERT_EQ(TwoKRows().size(), std::size(cases));
    for (const RowCase &c : cases) {
        SCOPED_TRACE(c.row);
        const TwoKRow &row = TwoKRows()[static_cast<std::size_t>(c.row - 1)];
        EXPECT_NEAR(TwoK(row, 1e5L, 2.067L).value, c.small, FourDecimals);
        EXPECT_NEAR(TwoK(row, 1e6L, 6.065L).value, c.big, FourDecimals);
    }
}

// The reference's spot tests of fluids.fittings.Hooper2K, with explicit
// constants; and the row whose constants the transcriptions disagree on
// always says so.
TEST(TwoK, SpotTestsAndRow13)
{
    struct Case
    {
        double k1, kInfinity, inches, reynolds, k;
    };
    const Case cases[] = {{800, 0.4, 1.049, 2e4, 0.821316},
                          {1500, 4.0, 2.0, 1e4, 6.15},
                          {300, 0.1, 4.026, 1e5, 0.127839},
                          {1000, 0.6, 2.067, 1e5, 0.900276}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.k);
        const TwoKRow row{"", c.k1, c.kInfinity, {}};
        EXPECT_NEAR(TwoK(row, c.reynolds, c.inches).value, c.k, FourDecimals);
    }
    // The nearest published figure for a duct damper: Hooper's butterfly
    // valve at D = 12 in, Re = 10⁶ (fluids.fittings.Hooper2K).
    EXPECT_NEAR(TwoK(TwoKRows()[28], 1e6L, 12).value, 0.271633, FourDecimals);
    const TwoKRow &row13 = TwoKRows()[12];
    EXPECT_EQ(row13.k1, 1000);
    EXPECT_EQ(row13.kInfinity, 0.6L);
    EXPECT_EQ(TwoK(row13, 1e5L, 2.067L).warnings.size(), 1u);
    EXPECT_TRUE(TwoK(TwoKRows()[13], 1e5L, 2.067L).warnings.empty());
}

// von Kármán's f_T for ε = 0.045 mm (fluids.friction.von_Karman).
TEST(CraneLengthRatio, FullyTurbulentFactor)
{
    struct Case
    {
        double diameter, factor; // mm
    };
    const Case cases[] = {{15.76, 0.0258053},  {26.64, 0.0224032},  {52.48, 0.0189206},
                          {102.26, 0.0162304}, {154.08, 0.0148523}, {303.18, 0.0129327}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.diameter);
        EXPECT_NEAR(FullyTurbulentFactor(c.diameter, CommercialSteelRoughness), c.factor, 5e-8);
    }
}

// Every cited L/D at D = 0.10226 m (4 in), K = f_T·(L/D).
TEST(CraneLengthRatio, EveryRowAtFourInches)
{
    struct Case
    {
        double lengthRatio, k;
    };
    const Case cases[] = {{30, 0.486911}, {16, 0.259686}, {50, 0.811518}, {20, 0.324607},
                          {60, 0.973822}, {8, 0.129843},  {340, 5.51832}, {150, 2.43455},
                          {3, 0.0486911}, {100, 1.62304}, {45, 0.730366}, {35, 0.568063},
                          {25, 0.405759}, {18, 0.292147}, {420, 6.81675}, {75, 1.21728}};
    ASSERT_EQ(LengthRatioRows().size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i + 1);
        const LengthRatioRow &row = LengthRatioRows()[i];
        EXPECT_EQ(row.lengthRatio, cases[i].lengthRatio);
        EXPECT_NEAR(CraneLengthRatio(row, 102.26L, 4).value, cases[i].k, FourDecimals);
    }
    // The butterfly valve of 2–8 in is cited for those sizes alone.
    EXPECT_EQ(CraneLengthRatio(LengthRatioRows()[10], 102.26L, 4).warnings.size(), 0u);
    EXPECT_EQ(CraneLengthRatio(LengthRatioRows()[10], 254.2L, 10).warnings.size(), 1u);
}

// L_e = K·D/λ, by hand.
TEST(EquivalentLength, ReferenceValues)
{
    struct Case
    {
        double k, diameter, lambda, length;
    };
    const Case cases[] = {{0.5, 0.05, 0.025, 1.0},
                          {0.3, 0.1, 0.02, 1.5},
                          {1.0, 0.2, 0.018, 11.1111},
                          {6, 0.025, 0.03, 5}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.length);
        EXPECT_NEAR(EquivalentLength(c.k, c.diameter, c.lambda), c.length, FourDecimals);
    }
}

// Δp = Δp_rated·(Q/Q_rated)², by hand.
TEST(Equipment, ReferenceValues)
{
    EXPECT_NEAR(ScaledEquipmentLoss(150, 10000, 8000), 96, 1e-12);
    EXPECT_NEAR(ScaledEquipmentLoss(100, 5000, 6000), 144, 1e-12);
    EXPECT_NEAR(ScaledEquipmentLoss(50, 1000, 1000), 50, 1e-12);
    EXPECT_NEAR(ScaledEquipmentLoss(30, 600, 300), 7.5, 1e-12);
}

TEST(NominalInches, TableAndApproximation)
{
    EXPECT_EQ(NominalInches(15).inches, 0.5L);
    EXPECT_EQ(NominalInches(50).inches, 2);
    EXPECT_EQ(NominalInches(400).inches, 16);
    EXPECT_TRUE(NominalInches(32).fromTable);
    const InchSize odd = NominalInches(90);
    EXPECT_FALSE(odd.fromTable);
    EXPECT_NEAR(static_cast<double>(odd.inches), 90 / 25.4, 1e-12);
}

} // namespace
