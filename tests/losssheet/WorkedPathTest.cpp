#include "SystemBuilder.h"
#include "losssheet/Calculator.h"

#include <gtest/gtest.h>

namespace {

using namespace losssheet_test;

// The fittings reference's worked duct path: 3600 m³/h through φ400 (A =
// 0.125664 m²), v = 7.95775 m/s, P_v = ρv²/2 = 37.9954 Pa (ρ = 1.2); two 90°
// elbows of R/D = 1 (ζ = 0.21 each) and a free exit (ζ = 1): Σζ = 1.42,
// 53.9535 Pa; a coil rated 150 Pa at 4000 m³/h: 121.5 Pa. With its straight
// loss of 20 m at R = 1.0 Pa/m the path is 195.454 Pa, × 1.1 = 214.999 Pa.
TEST(WorkedPath, ReferenceDuctPath)
{
    System system = ductSystem({section("1", "", 3600, "φ400", 20,
                                        {elbow(2), fitting("duct.exit"), equipment(150, 4000)})});
    for (UnitSystem units : {UnitSystem::Conventional, UnitSystem::SI}) {
        SCOPED_TRACE(units == UnitSystem::SI ? "SI" : "conventional");
        const SystemResult result = Compute(system, units);
        const SectionResult &r = result.sections[0];
        ASSERT_TRUE(r.problem.empty()) << r.problem;
        EXPECT_TRUE(r.warnings.empty());
        EXPECT_NEAR(*r.area, 0.125664, 5e-7);
        EXPECT_NEAR(*r.velocity, 7.95775, 5e-6);
        EXPECT_NEAR(*r.dynamicPressure, 37.9954, 5e-5);
        EXPECT_NEAR(*r.sumZeta, 1.42, 1e-15);
        EXPECT_NEAR(*r.fittingLoss, 53.9535, 5e-5);
        EXPECT_NEAR(*r.equipmentLoss, 121.5, 1e-12);

        // The reference takes R = 1.0 Pa/m; the sheet takes the duct page's
        // friction model, everything else being the same.
        const long double sheetStraight = *r.lossPerMetre * 20;
        EXPECT_NEAR(*r.straightLoss, sheetStraight, 1e-12);
        const long double withReferenceR = *r.sectionLoss - sheetStraight + 1.0L * 20;
        EXPECT_NEAR(withReferenceR, 195.454, 5e-4);
        EXPECT_NEAR(withReferenceR * (1 + result.summary.margin), 214.999, 5e-4);

        EXPECT_NEAR(*result.summary.systemLoss, *r.sectionLoss, 1e-12);
        EXPECT_NEAR(*result.summary.required, *r.sectionLoss * 1.1L, 1e-12);
        ASSERT_EQ(result.summary.criticalPath, std::vector<int>{0});
        ASSERT_EQ(result.summary.terminals.size(), 1u);
        EXPECT_EQ(*result.summary.terminals[0].surplus, 0);
    }
}

} // namespace
