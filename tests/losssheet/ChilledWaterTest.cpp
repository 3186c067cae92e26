#include "SystemBuilder.h"
#include "losssheet/Calculator.h"
#include "losssheet/SheetTexts.h"

#include <gtest/gtest.h>

namespace {

using namespace losssheet_test;

constexpr long double Pa = 1e-5L; // agreement of the hand working

// Darby's 3-K rows by their place in the table.
Fitting darby(int row, long double count = 1)
{
    return fitting("pipe.darby3k", {static_cast<long double>(row - 1)}, count);
}

// A chilled-water pump feeding two air-handler coils, rusty steel pipe
// (ε = 0.3 mm), water at 10 ℃ (ρ = 999.7 kg/m³), worked by hand:
//
//   pump ─ 1 (65A, 20 m) ─┬─ 2 (50A, 15 m) AHU-1 170 L/min
//                         └─ 3 (40A, 25 m) AHU-2 130 L/min
//
// Inner diameters 67.9, 52.9, 41.6 mm (the pipe page's table); v = Q/60000/A;
// Re = v·D/10⁻⁶; λ = 0.0055 (1 + (20000 ε/D + 10⁶/Re)^⅓);
// R = ρ v²/19.6 · λ/D mmAq/m × 9.80665 Pa:
//   sec  Q    v [m/s]   Re       λ         R [Pa/m]     R·L [Pa]   P_v [Pa]
//   1    300  1.380831  93758.4  0.030946   434.660639   8693.2128  953.061323
//   2    170  1.289129  68194.9  0.033224   522.070315   7831.0547  830.677768
//   3    130  1.594100  66314.6  0.035316  1079.043907  26976.0977  1270.196217
// Fittings, Darby 3-K (K = 800/Re + K_i (1 + K_d/D_n^0.3), D_n = 2.5, 2, 1.5 in):
//   1: 4 elbows (row 1) 4 × 0.573941, 2 gate valves (row 30) 2 × 0.149818,
//      a swing check valve (row 33) 1.873769: Σζ = 4.469169, 4259.392387 Pa
//   2: tee branch (Idelchik, q = 170/300 = 0.566667, a = A2/A1 = 0.606976,
//      A′ = 1 − 0.6q = 0.66, ζ_c = 1.235249, × (v1/v2)² 1.147330 = 1.417238),
//      2 elbows 2 × 0.606592, a gate valve 0.158607: Σζ = 2.789030,
//      2316.784927 Pa; its coil, 45 kPa at 180 L/min: 45000 (170/180)² =
//      40138.888889 Pa
//   3: tee straight (q = (300 − 130)/300 = 0.566667, a = A2/A1 = 0.606976,
//      τ = 0.3(2q − 1) = 0.04, ζ_c = 0.012844, × (v1/v3)² 0.750326 = 0.009638):
//      12.243 Pa, and fittings taken as 50 % of the straight loss,
//      13488.0488 Pa: 13500.290374 Pa; its coil 30 kPa at 130 L/min
// Sections: 1 12952.605167, 2 50286.728545, 3 70476.388037 Pa; cumulative
// 2: 63239.333712, 3: 83428.993204 Pa. Critical path 1–3: friction
// 35669.310443, fittings 17759.682761, equipment 30000 Pa; with a static head
// of 3 m (29419.95 Pa) and 20 kPa at the terminal, × 1.1:
// H = 146133.837525 Pa = 14.901504 m = 146.133838 kPa. AHU-1's valve takes
// up 20189.659492 Pa.
System chilledWater()
{
    System s = pipeSystem({
        section("1", "", std::nullopt, "65", 20, {darby(1, 4), darby(30, 2), darby(33)}),
        section("2", "1", 170, "50", 15,
                {fitting("tee.diverging.branch"), darby(1, 2), darby(30),
                 equipment(45000, 180, "AHU-1")}),
        section("3", "1", 130, "40", 25,
                {fitting("tee.diverging.straight"), fitting("pipe.fittings_percent", {50}),
                 equipment(30000, 130, "AHU-2")}),
    });
    s.pipe.temperature = 1;
    s.pipe.density = 999.7L;
    s.pipe.staticHead = 3;
    s.pipe.terminalPressure = 20;
    return s;
}

TEST(ChilledWater, PumpToTwoCoilsByHand)
{
    const SystemResult result = Compute(chilledWater(), UnitSystem::SI);
    struct Row
    {
        long double straight, sumZeta, fittings, equipment, section, cumulative;
    };
    const Row rows[] = {
        {8693.212781, 4.469169, 4259.392387, 0, 12952.605167, 12952.605167},
        {7831.054729, 2.789030, 2316.784927, 40138.888889, 50286.728545, 63239.333712},
        {26976.097663, 0.009638, 13500.290374, 30000, 70476.388037, 83428.993204},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(i + 1);
        const SectionResult &r = result.sections[i];
        ASSERT_TRUE(r.problem.empty()) << r.problem;
        EXPECT_NEAR(*r.straightLoss, rows[i].straight, Pa);
        EXPECT_NEAR(*r.sumZeta, rows[i].sumZeta, 1e-6);
        EXPECT_NEAR(*r.fittingLoss, rows[i].fittings, Pa);
        EXPECT_NEAR(*r.equipmentLoss, rows[i].equipment, Pa);
        EXPECT_NEAR(*r.sectionLoss, rows[i].section, Pa);
        EXPECT_NEAR(*r.cumulative, rows[i].cumulative, Pa);
    }
    EXPECT_EQ(*result.sections[0].flow, 300);
    // The equivalent length of section 1's fittings, K·D/λ.
    EXPECT_NEAR(*result.sections[0].equivalentLength, 9.806001, 1e-6);

    const Summary &s = result.summary;
    EXPECT_EQ(s.criticalPath, (std::vector<int>{0, 2}));
    EXPECT_NEAR(*s.friction, 35669.310443, Pa);
    EXPECT_NEAR(*s.fittings, 17759.682761, Pa);
    EXPECT_NEAR(*s.equipment, 30000, Pa);
    EXPECT_NEAR(s.staticHead, 29419.95, 1e-9);
    EXPECT_EQ(s.terminalPressure, 20000);
    EXPECT_NEAR(*s.required, 146133.837525, Pa);
    ASSERT_EQ(s.terminals.size(), 2u);
    EXPECT_NEAR(*s.terminals[0].surplus, 20189.659492, Pa);
    EXPECT_EQ(*s.terminals[1].surplus, 0);

    const SummaryTexts t = TextsOf(s, SystemKind::Pipe, UnitSystem::SI);
    EXPECT_EQ(t.required, "14.90");
    EXPECT_EQ(t.requiredKilopascals, "146.13");
    EXPECT_EQ(t.staticHead, "3.00");
    EXPECT_EQ(t.terminalPressure, "20.00");
    EXPECT_EQ(t.systemLoss, "83.43");
    EXPECT_EQ(t.terminals[0].surplus, "20.19");
    // Conventional units: section losses in mmAq, the head still in m and kPa.
    const SystemResult conventional = Compute(chilledWater(), UnitSystem::Conventional);
    const SummaryTexts c =
        TextsOf(conventional.summary, SystemKind::Pipe, UnitSystem::Conventional);
    EXPECT_EQ(c.systemLoss, "8507.39"); // 83428.993204 / 9.80665
    EXPECT_EQ(c.required, "14.90");
    EXPECT_EQ(c.requiredKilopascals, "146.13");
}

} // namespace
