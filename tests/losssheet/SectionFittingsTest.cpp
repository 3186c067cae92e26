#include "SystemBuilder.h"
#include "losssheet/Calculator.h"
#include "losssheet/SheetTexts.h"
#include "numeric/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace losssheet_test;

const FittingResult &firstFitting(const SystemResult &r, std::size_t section)
{
    return r.sections.at(section).fittings.at(0);
}

// A change of size takes its area ratio from the upstream section and
// refers the coefficient from the small side to the section's own velocity:
// φ200 → φ400 with one flow is the reference's ζ₁ = 0.5625 on the small
// velocity, ζ₂ = 9.0 on the large (Borda–Carnot, diffuser_sharp).
TEST(SectionFittings, SizeChangesFromTheTree)
{
    const System s = ductSystem({
        section("1", "", std::nullopt, "φ200", 1),
        section("2", "1", std::nullopt, "φ400", 1, {fitting("duct.sudden_expansion")}),
        section("3", "2", 1000, "φ200", 1, {fitting("duct.sudden_contraction")}),
    });
    const SystemResult r = Compute(s, UnitSystem::SI);
    const FittingResult &widening = firstFitting(r, 1);
    EXPECT_EQ(widening.values[0], 0.25L);
    EXPECT_TRUE(widening.fromTree[0]);
    EXPECT_NEAR(*widening.zeta, 0.5625, 1e-15);
    EXPECT_NEAR(*widening.sectionZeta, 9.0, 1e-12);
    EXPECT_NEAR(*widening.loss, 9.0 * *r.sections[1].dynamicPressure, 1e-9);
    // Narrowing back: Idelchik 4-9 on the small side, which is the section's own.
    const FittingResult &narrowing = firstFitting(r, 2);
    EXPECT_NEAR(*narrowing.zeta, 0.402964, 5e-7);
    EXPECT_EQ(*narrowing.sectionZeta, *narrowing.zeta);
}

// With no upstream section a typed ratio places the section: the flow enters
// it at its start, from a smaller opening into a widening.
TEST(SectionFittings, SizeChangesAtTheStart)
{
    const System s = ductSystem(
        {section("1", "", 1000, "φ400", 1, {fitting("duct.sudden_expansion", {0.25L})})});
    EXPECT_NEAR(*firstFitting(Compute(s, UnitSystem::SI), 0).sectionZeta, 9.0, 1e-12);
    const System narrowing = ductSystem(
        {section("1", "", 1000, "φ200", 1, {fitting("duct.sudden_contraction", {0.25L})})});
    EXPECT_NEAR(*firstFitting(Compute(narrowing, UnitSystem::SI), 0).sectionZeta, 0.402964, 5e-7);
}

// A tee's ratios come from the tree unless typed; a typed value wins.
TEST(SectionFittings, TeeRatiosFromTheTreeOrTyped)
{
    System s = ductSystem({
        section("1", "", std::nullopt, "φ300", 1),
        section("2", "1", 400, "φ300", 1, {fitting("tee.diverging.branch")}),
        section("3", "1", 600, "φ300", 1, {fitting("tee.diverging.straight")}),
    });
    SystemResult r = Compute(s, UnitSystem::SI);
    const FittingResult &branch = firstFitting(r, 1);
    EXPECT_EQ(branch.values, (std::vector<long double>{90, 1, 0.4L}));
    EXPECT_EQ(branch.fromTree, (std::vector<bool>{false, true, true}));
    // The reference's tee table at a = 1, q = 0.4: 0.8816 on the combined
    // velocity, (1000/400)² = 6.25 times that on the branch's own.
    EXPECT_NEAR(*branch.zeta, 0.8816, 1e-12);
    EXPECT_NEAR(*branch.sectionZeta, 0.8816 * 6.25, 1e-12);
    const FittingResult &straight = firstFitting(r, 2);
    EXPECT_EQ(straight.values, (std::vector<long double>{90, 1, 0.4L}));
    EXPECT_NEAR(*straight.zeta, -0.064, 1e-12);
    EXPECT_NEAR(*straight.sectionZeta, -0.064 / 0.36, 1e-12);
    EXPECT_TRUE(r.sections[2].warnings.empty()); // the main keeps its section

    s.sections[1].fittings[0].values = {std::nullopt, std::nullopt, 0.2L};
    s.sections[1].fittings[0].method = "crane_2009";
    r = Compute(s, UnitSystem::SI);
    EXPECT_EQ(firstFitting(r, 1).fromTree, (std::vector<bool>{false, true, false}));
    EXPECT_NEAR(*firstFitting(r, 1).zeta, 1.02414, 5e-6);
}

// Equipment scales with the section's flow; a count multiplies.
TEST(SectionFittings, EquipmentAndCounts)
{
    const System s =
        ductSystem({section("1", "", 8000, "φ600", 1, {equipment(150, 10000), elbow(3)})});
    const SectionResult r = Compute(s, UnitSystem::SI).sections[0];
    EXPECT_NEAR(*r.equipmentLoss, 96, 1e-12);
    EXPECT_NEAR(*r.sumZeta, 0.63, 1e-15);
    EXPECT_NEAR(*r.fittingLoss, 0.63 * *r.dynamicPressure, 1e-12);
    EXPECT_NEAR(*r.sectionLoss, *r.straightLoss + *r.fittingLoss + 96, 1e-9);
}

// Pipes: a user's equivalent length costs R per metre, a share of the
// straight loss its share, and the 3-K and 2-K rows take the section's
// nominal and inner inch sizes.
TEST(SectionFittings, PipeEntries)
{
    const System s =
        pipeSystem({section("1", "", 100, "50", 10,
                            {fitting("pipe.equivalent_length", {4}, 2),
                             fitting("pipe.fittings_percent", {30}), fitting("pipe.darby3k", {0}),
                             fitting("pipe.hooper2k", {0}), fitting("pipe.crane_LD", {0})})});
    const SectionResult r = Compute(s, UnitSystem::SI).sections[0];
    ASSERT_TRUE(r.problem.empty()) << r.problem;
    const long double R = *r.lossPerMetre;
    EXPECT_NEAR(*r.fittings[0].loss, R * 8, 1e-9);
    EXPECT_NEAR(*r.fittings[0].equivalentLength, 8, 0);
    EXPECT_NEAR(*r.fittings[1].loss, 0.3L * R * 10, 1e-9);
    const long double re = *r.reynolds;
    EXPECT_NEAR(*r.fittings[2].zeta, 800 / re + 0.14L * (1 + 4 / std::pow(2.0L, 0.3L)), 1e-12);
    EXPECT_NEAR(*r.fittings[3].zeta, 800 / re + 0.4L * (1 + 25.4L / 52.9L), 1e-12);
    // K·D/λ: a K and its equivalent length cost the same, but for the
    // friction model's v²/2g with g = 9.8 where a pressure converts with
    // 9.80665.
    const FittingResult &darby = r.fittings[2];
    EXPECT_NEAR(*darby.equivalentLength * R, *darby.loss * 9.80665L / 9.8L, 1e-9);
    const FittingTexts t = TextsOf(darby, SystemKind::Pipe, UnitSystem::SI);
    EXPECT_EQ(t.reference, "この区間の速度");
    EXPECT_EQ(t.zeta, numeric::FormatFixed(*darby.zeta, 3));
}

} // namespace
