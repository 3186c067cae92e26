#include "SystemBuilder.h"
#include "flow/DuctLoss.h"
#include "flow/DuctSizing.h"
#include "losssheet/Calculator.h"
#include "losssheet/PageFields.h"
#include "losssheet/SheetTexts.h"
#include "numeric/NumberText.h"
#include "pipe/PipeSizing.h"

#include <gtest/gtest.h>

namespace {

using namespace losssheet_test;

constexpr UnitSystem BothUnits[] = {UnitSystem::Conventional, UnitSystem::SI};

const char *nameOf(UnitSystem units)
{
    return units == UnitSystem::SI ? "SI" : "conventional";
}

// One section alone, computed by the sheet.
SectionResult only(System system, UnitSystem units)
{
    SystemResult r = Compute(system, units);
    return r.sections.at(0);
}

// The page's texts, the sheet's copy of them, and the sheet's own texts of
// the same values agree.
void expectPageTexts(const SectionResult &r, const numeric::ShownValue &velocity,
                     const numeric::ShownValue &loss, SystemKind kind, UnitSystem units)
{
    ASSERT_TRUE(r.problem.empty()) << r.problem;
    EXPECT_EQ(r.pageVelocity->text(), velocity.text());
    EXPECT_EQ(r.pageLoss->text(), loss.text());
    const SectionTexts t = TextsOf(r, kind, units);
    EXPECT_EQ(t.velocity, numeric::FormatFixed(velocity.value, 2));
    // R: the page's three decimals in mmAq/m, two in Pa/m.
    const std::string expected =
        units == UnitSystem::Conventional ? loss.text() : numeric::FormatFixed(loss.value, 2);
    EXPECT_EQ(t.lossPerMetre, expected);
}

// A typed duct size is the duct page's loss section: a round duct from its
// diameter field, a rectangle from its sides.
TEST(PageAgreement, TypedDuctSizesAreTheLossSection)
{
    struct Case
    {
        const char *size;
        long double flow;
        bool round;
        long double a, b;
    };
    const Case cases[] = {{"φ300", 1000, true, 300, 0},
                          {"300", 1000, true, 300, 0},
                          {"500×300", 3600, false, 500, 300},
                          {"500x300", 3600, false, 500, 300},
                          {"５００＊３００", 3600, false, 500, 300},
                          {"1000X250", 12000, false, 1000, 250},
                          {"⌀ 125", 150, true, 125, 0}};
    for (UnitSystem units : BothUnits) {
        for (const Case &c : cases) {
            SCOPED_TRACE(testing::Message() << nameOf(units) << " " << c.size);
            System s = ductSystem({section("1", "", c.flow, c.size, 10)});
            const SectionResult r = only(s, units);
            flow::DuctLossInputs page;
            page.flow = c.flow;
            page.roughness = 0.18L;
            page.density = 1.2L;
            page.fromDiameter = c.round;
            page.diameter = c.a;
            page.sideA = c.a;
            page.sideB = c.b;
            page.lossUnitFactor = LossUnitFactor(units);
            flow::DuctLossResult out;
            flow::DuctLossFromSize(page, out);
            expectPageTexts(r, *out.velocity, *out.loss, SystemKind::Duct, units);
            EXPECT_FALSE(r.sized);
            if (!c.round) {
                EXPECT_EQ(*r.equivalentDiameter, out.equivalentDiameter->value);
            }
        }
    }
}

// A blank duct size is the duct page's sizing, with the same target, shape
// and fixed side: the same sides, steps and texts.
TEST(PageAgreement, BlankDuctSizesAreThePageSizing)
{
    struct Case
    {
        const char *name;
        SizingBasis basis;
        long double conventionalTarget, siTarget;
        DuctShape shape;
        std::optional<long double> fixedSide;
        long double flow;
    };
    const Case cases[] = {
        {"loss, round", SizingBasis::Loss, 0.1L, 1.0L, DuctShape::Round, {}, 3600},
        {"loss, square", SizingBasis::Loss, 0.1L, 1.0L, DuctShape::Square, {}, 3600},
        {"loss, fixed side", SizingBasis::Loss, 0.08L, 0.8L, DuctShape::FixedSide, 300, 5000},
        {"velocity, round", SizingBasis::Velocity, 5, 5, DuctShape::Round, {}, 2000},
        {"velocity, square", SizingBasis::Velocity, 6, 6, DuctShape::Square, {}, 7777},
        {"velocity, fixed side", SizingBasis::Velocity, 4.5L, 4.5L, DuctShape::FixedSide, 250,
         3000},
    };
    for (UnitSystem units : BothUnits) {
        for (const Case &c : cases) {
            SCOPED_TRACE(testing::Message() << nameOf(units) << " " << c.name);
            const long double target = units == UnitSystem::SI ? c.siTarget : c.conventionalTarget;
            System s = ductSystem({section("1", "", c.flow, "", 10)});
            s.duct.sizing = {c.basis, target};
            s.duct.shape = c.shape;
            s.duct.fixedSide = c.fixedSide.value_or(0);
            const SectionResult r = only(s, units);

            const flow::DuctSizingInputs page{c.flow,
                                              0.18L,
                                              1.2L,
                                              target,
                                              c.shape == DuctShape::Round,
                                              c.fixedSide,
                                              LossUnitFactor(units)};
            flow::DuctSizingResult out;
            if (c.basis == SizingBasis::Loss)
                flow::DuctSizingByLoss(page, out);
            else
                flow::DuctSizingByVelocity(page, out);
            expectPageTexts(r, *out.velocity, *out.loss, SystemKind::Duct, units);
            EXPECT_TRUE(r.sized);
            const std::string size = page.round ? "φ" + out.diameter->text()
                                                : out.sideA->text() + "×" + out.sideB->text();
            EXPECT_EQ(*r.size, size);
        }
    }
}

// Sizing at an aspect ratio of 1 sizes the page's squares.
TEST(PageAgreement, AspectRatioOneIsThePageSquare)
{
    for (SizingBasis basis : {SizingBasis::Loss, SizingBasis::Velocity}) {
        for (long double flow : {500.0L, 3600.0L, 25000.0L}) {
            SCOPED_TRACE(testing::Message() << flow);
            System square = ductSystem({section("1", "", flow, "", 1)});
            square.duct.sizing = {basis, basis == SizingBasis::Loss ? 0.1L : 5.0L};
            System ratio = square;
            ratio.duct.shape = DuctShape::AspectRatio;
            ratio.duct.aspectRatio = 1;
            const SectionResult a = only(square, UnitSystem::Conventional);
            const SectionResult b = only(ratio, UnitSystem::Conventional);
            EXPECT_EQ(*a.area, *b.area);
            EXPECT_EQ(a.pageLoss->text(), b.pageLoss->text());
            EXPECT_EQ(a.pageVelocity->text(), b.pageVelocity->text());
        }
    }
    // At 2:1 the long side is twice the short one, both in 50 mm steps: 3600
    // m³/h first meets 0.1 mmAq/m at 600 × 300 (0.092, as the page's fixed
    // side of 300 finds).
    System twoToOne = ductSystem({section("1", "", 3600, "", 1)});
    twoToOne.duct.shape = DuctShape::AspectRatio;
    twoToOne.duct.aspectRatio = 2;
    EXPECT_EQ(*only(twoToOne, UnitSystem::Conventional).size, "600×300");
}

// The pipe page's loss section for a typed nominal size, its sizing for a
// blank one; water at the page's density for the temperature.
TEST(PageAgreement, PipeSectionsAreThePipePage)
{
    for (UnitSystem units : BothUnits) {
        const long double factor = LossUnitFactor(units);
        for (const char *typed : {"50", "50A", "５０Ａ", " 50 "}) {
            SCOPED_TRACE(testing::Message() << nameOf(units) << " " << typed);
            const SectionResult r = only(pipeSystem({section("1", "", 100, typed, 10)}), units);
            pipes::PipeLossResult out;
            pipes::PipeLossFromSize({6, 100, 0.3L, 998.2L, factor}, out);
            expectPageTexts(r, *out.velocity, *out.loss, SystemKind::Pipe, units);
            EXPECT_EQ(*r.size, "50");
            EXPECT_EQ(*r.equivalentDiameter, 52.9L);
        }
        for (SizingBasis basis : {SizingBasis::Loss, SizingBasis::Velocity}) {
            SCOPED_TRACE(testing::Message() << nameOf(units) << " sized");
            const long double target = basis == SizingBasis::Velocity      ? 1.5L
                                       : units == UnitSystem::Conventional ? 40
                                                                           : 400;
            System s = pipeSystem({section("1", "", 250, "", 10)});
            s.pipe.sizing = {basis, target};
            const SectionResult r = only(s, units);
            const pipes::PipeSizingInputs page{250, 0.3L, 998.2L, target, factor};
            pipes::PipeSizingResult out;
            if (basis == SizingBasis::Loss)
                pipes::PipeSizingByLoss(page, out);
            else
                pipes::PipeSizingByVelocity(page, out);
            expectPageTexts(r, *out.velocity, *out.loss, SystemKind::Pipe, units);
            EXPECT_EQ(*r.size, std::to_string(*out.nominalSize));
        }
    }
}

// A rectangle's friction goes by Huebscher's equal-friction diameter, its
// coefficients by its own area (fittings reference §1.4, by hand).
TEST(PageAgreement, RectangleEquivalentDiameters)
{
    struct Case
    {
        const char *size;
        double diameter, area;
    };
    const Case cases[] = {
        {"600×300", 457.01, 0.18}, {"500×500", 546.58, 0.25}, {"1000×250", 516.93, 0.25}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.size);
        const SectionResult r =
            only(ductSystem({section("1", "", 3600, c.size, 1)}), UnitSystem::SI);
        EXPECT_NEAR(*r.equivalentDiameter, c.diameter, 0.005);
        EXPECT_NEAR(*r.area, c.area, 1e-15);
        EXPECT_NEAR(*r.velocity, 1 / c.area, 1e-12);
    }
}

// The pages calculate with their fields' three-decimal texts of the tables.
TEST(PageAgreement, RoughnessAndDensityAsThePagesShowThem)
{
    EXPECT_EQ(DuctRoughnessAsShown(5), 0.18L);
    EXPECT_EQ(DuctRoughnessAsShown(4), 0.122L); // 0.1223
    EXPECT_EQ(DuctRoughnessAsShown(9), 2.134L); // 2.1336
    EXPECT_EQ(PipeRoughnessAsShown(0), 0.002L); // 0.0015
    EXPECT_EQ(PipeRoughnessAsShown(2), 0.3L);
    EXPECT_EQ(WaterDensityAsShown(2), 998.2L);
    EXPECT_EQ(WaterDensityAsShown(14), 926.1L);
}

} // namespace
