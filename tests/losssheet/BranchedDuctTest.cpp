#include "SystemBuilder.h"
#include "losssheet/Calculator.h"
#include "losssheet/SheetTexts.h"

#include <gtest/gtest.h>

namespace {

using namespace losssheet_test;

constexpr long double Pa = 1e-6L; // agreement of the hand working, Pa

Fitting divergingBranch()
{
    return fitting("tee.diverging.branch");
}

Fitting divergingStraight()
{
    return fitting("tee.diverging.straight");
}

// A supply system from the fan to four outlets, galvanised sheet (ε = 0.18
// mm), standard air (ρ = 1.2 kg/m³), worked by hand:
//
//   fan ─ 1 ─┬─ 2 ─┬─ 3  outlet a   800 m³/h
//            │     └─ 4  outlet b  1000 m³/h
//            └─ 5 ─┬─ 6  outlet c  1200 m³/h
//                  └─ 7  outlet d  1000 m³/h
//
// Flows: 2 = 800 + 1000 = 1800, 5 = 1200 + 1000 = 2200, 1 = 4000 m³/h.
// v = Q/3600/A, P_v = 0.6 v², R from the duct page's model
// (λ = 0.0055 (1 + (20000 ε/D + 15/(v·D[m]))^⅓), R = ρ v²/19.6 · λ/D mmAq/m
// × 9.80665 Pa):
//   sec  Q     D    L   v [m/s]   P_v [Pa]   R [Pa/m]  R·L [Pa]
//   1    4000  450  10  6.986225  29.284406  1.195357  11.953575
//   2    1800  350   8  5.196896  16.204637  0.929147   7.433176
//   3     800  250   6  4.527074  12.296639  1.089339   6.536037
//   4    1000  250   4  5.658842  19.213499  1.659843   6.639373
//   5    2200  350  12  6.351762  24.206928  1.360051  16.320610
//   6    1200  250   5  6.790611  27.667438  2.347184  11.735921
//   7    1000  250   3  5.658842  19.213499  1.659843   4.979530
// Tees (Idelchik, 90°), the flow and area ratios from the tree, ζ_c on the
// upstream (combined) velocity, × (v_up/v)² onto the section's own:
//   2 straight: q = (4000−1800)/4000 = 0.55, a = A5/A1 = 0.604938,
//     τ = 0.3(2q−1) = 0.03, ζ_c = 0.009075, × 1.807162 = 0.016400
//   5 branch:   q = 0.55, a = 0.604938, A′ = 1 − 0.6q = 0.67,
//     ζ_c = 0.67 (1 + (q/a)²) = 1.223832, × 1.209753 = 1.480535
//   3 branch:   q = 800/1800 = 0.444444, a = A3/A2 = 0.510204, A′ = 0.733333,
//     ζ_c = 1.289812, × 1.317810 = 1.699728
//   4 straight: q = 0.444444, a = 0.510204, τ = 2(2q−1) = −0.444444,
//     ζ_c = −0.043896, × 0.843399 = −0.037022
//   6 straight: q = 1000/2200 = 0.454545, τ = −0.363636, ζ_c = −0.037566,
//     × 0.874925 = −0.032867
//   7 branch:   q = 0.454545, A′ = 0.727273, ζ_c = 1.304523, × 1.259892 = 1.643558
// Section 1 also has a 90° elbow (R/D = 1, ζ = 0.21) and a coil rated 250 Pa
// at 4000 m³/h; each outlet is rated 30 Pa at 1000 m³/h (3: 19.2, 6: 43.2 Pa).
//   sec  Σζ         Σζ·P_v      equipment  section    cumulative
//   1    0.210000    6.149725   250.0      268.103300 268.103300
//   2    0.016400    0.265756     0          7.698932 275.802232
//   3    1.699728   20.900936    19.2       46.636973 322.439205
//   4   −0.037022   −0.711315    30.0       35.928059 311.730291
//   5    1.480535   35.839193     0         52.159804 320.263104
//   6   −0.032867   −0.909351    43.2       54.026570 374.289674
//   7    1.643558   31.578492    30.0       66.558022 386.821125
// Critical path 1–5–7: 386.821125 Pa (friction 33.253715, fittings
// 73.567410, equipment 280); × 1.1 = 425.503238 Pa. Surpluses: outlet a
// 64.381920, b 75.090835, c 12.531452, d 0.
System fanToFourOutlets()
{
    return ductSystem({
        section("1", "", std::nullopt, "φ450", 10, {elbow(), equipment(250, 4000, "コイル")}),
        section("2", "1", std::nullopt, "φ350", 8, {divergingStraight()}),
        section("3", "2", 800, "φ250", 6, {divergingBranch(), equipment(30, 1000)}),
        section("4", "2", 1000, "φ250", 4, {divergingStraight(), equipment(30, 1000)}),
        section("5", "1", std::nullopt, "φ350", 12, {divergingBranch()}),
        section("6", "5", 1200, "φ250", 5, {divergingStraight(), equipment(30, 1000)}),
        section("7", "5", 1000, "φ250", 3, {divergingBranch(), equipment(30, 1000)}),
    });
}

TEST(BranchedDuct, FanToFourOutletsByHand)
{
    const SystemResult result = Compute(fanToFourOutlets(), UnitSystem::SI);
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
    const System system = fanToFourOutlets();
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
    System system = fanToFourOutlets();
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
