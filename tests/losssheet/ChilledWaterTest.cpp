#include "WorkedSystems.h"
#include "losssheet/Calculator.h"
#include "losssheet/SheetTexts.h"

#include <gtest/gtest.h>

namespace {

using namespace losssheet_test;

constexpr long double Pa = 1e-5L; // agreement of the hand working

TEST(ChilledWater, PumpToTwoCoilsByHand)
{
    const SystemResult result = Compute(ChilledWater(), UnitSystem::SI);
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
    const SystemResult conventional = Compute(ChilledWater(), UnitSystem::Conventional);
    const SummaryTexts c =
        TextsOf(conventional.summary, SystemKind::Pipe, UnitSystem::Conventional);
    EXPECT_EQ(c.systemLoss, "8507.39"); // 83428.993204 / 9.80665
    EXPECT_EQ(c.required, "14.90");
    EXPECT_EQ(c.requiredKilopascals, "146.13");
}

} // namespace
