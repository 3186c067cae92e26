#include "WorkedSystems.h"
#include "losssheet/Calculator.h"
#include "losssheet/SheetTexts.h"

#include <gtest/gtest.h>

namespace {

using namespace losssheet_test;

constexpr long double Pa = 1e-6L; // agreement of the hand working, Pa

TEST(BranchedDuct, FanToFourOutletsByHand)
{
    const SystemResult result = Compute(FanToFourOutlets(), UnitSystem::SI);
    struct Row
    {
        long double flow, straight, sumZeta, fittings, equipment, section, cumulative;
    };
    const Row rows[] = {
        {4000, 11.953575, 0.210000, 6.149725, 250, 268.103300, 268.103300},
        {1800, 7.433176, 0.016400, 0.265756, 0, 7.698932, 275.802232},
        {800, 6.536037, 1.699728, 20.900936, 19.2, 46.636973, 322.439205},
        {1000, 6.639373, -0.037022, -0.711315, 30, 35.928059, 311.730291},
        {2200, 16.320610, 1.480535, 35.839193, 0, 52.159804, 320.263104},
        {1200, 11.735921, -0.032867, -0.909351, 43.2, 54.026570, 374.289674},
        {1000, 4.979530, 1.643558, 31.578492, 30, 66.558022, 386.821125},
    };
    ASSERT_EQ(result.sections.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(i + 1);
        const SectionResult &r = result.sections[i];
        const Row &e = rows[i];
        ASSERT_TRUE(r.problem.empty()) << r.problem;
        EXPECT_EQ(*r.flow, e.flow);
        EXPECT_EQ(r.flowFromBranches, i == 0 || i == 1 || i == 4);
        EXPECT_NEAR(*r.straightLoss, e.straight, Pa);
        EXPECT_NEAR(*r.sumZeta, e.sumZeta, 1e-6);
        EXPECT_NEAR(*r.fittingLoss, e.fittings, Pa);
        EXPECT_NEAR(*r.equipmentLoss, e.equipment, 1e-12);
        EXPECT_NEAR(*r.sectionLoss, e.section, Pa);
        EXPECT_NEAR(*r.cumulative, e.cumulative, Pa);
        EXPECT_EQ(r.onCriticalPath, i == 0 || i == 4 || i == 6);
    }
    // The straight passages narrow (φ450 → φ350, φ350 → φ250): each says the
    // tee formula assumes a main of constant section.
    for (std::size_t i : {1u, 3u, 5u})
        EXPECT_EQ(result.sections[i].warnings.size(), 1u) << i;

    const Summary &s = result.summary;
    EXPECT_EQ(s.criticalPath, (std::vector<int>{0, 4, 6}));
    EXPECT_NEAR(*s.friction, 33.253715, Pa);
    EXPECT_NEAR(*s.fittings, 73.567410, Pa);
    EXPECT_NEAR(*s.equipment, 280, 1e-12);
    EXPECT_NEAR(*s.systemLoss, 386.821125, Pa);
    EXPECT_EQ(s.margin, 0.1L);
    EXPECT_NEAR(*s.required, 425.503238, Pa);
    EXPECT_EQ(s.sectionsWithProblems, 0);
    EXPECT_TRUE(s.problems.empty());
    const long double surplus[] = {64.381920, 75.090835, 12.531452, 0};
    const int terminal[] = {2, 3, 5, 6};
    ASSERT_EQ(s.terminals.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(s.terminals[i].section, terminal[i]);
        EXPECT_NEAR(*s.terminals[i].surplus, surplus[i], Pa) << i;
    }
}

// The same system's summary as the window shows it in both unit systems.
TEST(BranchedDuct, SummaryTexts)
{
    const System system = FanToFourOutlets();
    const SystemResult si = Compute(system, UnitSystem::SI);
    const SummaryTexts pa = TextsOf(si.summary, SystemKind::Duct, UnitSystem::SI);
    EXPECT_EQ(pa.systemLoss, "386.8");
    EXPECT_EQ(pa.margin, "10");
    EXPECT_EQ(pa.required, "425.5");
    EXPECT_EQ(pa.terminals[1].surplus, "75.1");
    EXPECT_EQ(pa.terminals[3].surplus, "0.0");

    const SystemResult conventional = Compute(system, UnitSystem::Conventional);
    const SummaryTexts mmAq =
        TextsOf(conventional.summary, SystemKind::Duct, UnitSystem::Conventional);
    EXPECT_EQ(mmAq.systemLoss, "39.44"); // 386.821125 / 9.80665
    EXPECT_EQ(mmAq.required, "43.39");   // 425.503238 / 9.80665
    const SectionTexts first =
        TextsOf(conventional.sections[0], SystemKind::Duct, UnitSystem::Conventional);
    EXPECT_EQ(first.flow, "4000");
    EXPECT_EQ(first.size, "φ450");
    EXPECT_EQ(first.equivalentDiameter, "450.0");
    EXPECT_EQ(first.velocity, "6.99");
    EXPECT_EQ(first.dynamicPressure, "2.99"); // 29.284406 Pa
    EXPECT_EQ(first.lossPerMetre, "0.122");   // 1.195357 Pa/m
    EXPECT_EQ(first.sumZeta, "0.21");
    EXPECT_EQ(first.cumulative, "27.34"); // 268.103300 Pa
}

// Recomputing after an edit gives what a fresh calculation gives.
TEST(BranchedDuct, KeptCalculatorAgreesWithAFreshOne)
{
    System system = FanToFourOutlets();
    Calculator calculator;
    calculator.compute(system, UnitSystem::SI);
    system.sections[5].flow = 1500;
    system.sections[1].size = "";
    const SystemResult kept = calculator.compute(system, UnitSystem::SI);
    const SystemResult fresh = Compute(system, UnitSystem::SI);
    for (std::size_t i = 0; i < fresh.sections.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(kept.sections[i].cumulative, fresh.sections[i].cumulative);
        EXPECT_EQ(kept.sections[i].size, fresh.sections[i].size);
    }
    EXPECT_EQ(*kept.sections[4].flow, 2500);
    EXPECT_EQ(kept.summary.required, fresh.summary.required);
}

} // namespace
