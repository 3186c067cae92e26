#include "losssheet/SheetTexts.h"
#include "SystemBuilder.h"
#include "losssheet/Calculator.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace losssheet_test;

// One value in each unit and kind: the decimals of the window's texts.
TEST(SheetTexts, UnitsAndDecimals)
{
    struct Case
    {
        SystemKind kind;
        UnitSystem units;
        long double pascals;
        const char *pressure; // a pressure of `pascals`
        const char *perMetre; // a loss of `pascals` per metre
    };
    const Case cases[] = {
        {SystemKind::Duct, UnitSystem::Conventional, 123.456L, "12.59", "12.589"},
        {SystemKind::Duct, UnitSystem::SI, 123.456L, "123.5", "123.46"},
        {SystemKind::Pipe, UnitSystem::Conventional, 123456, "12589.01", "12589.008"},
        {SystemKind::Pipe, UnitSystem::SI, 123456, "123.46", "123456.00"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.perMetre);
        SectionResult r;
        r.straightLoss = c.pascals;
        r.lossPerMetre = c.pascals;
        r.velocity = 1.005L;
        r.equivalentDiameter = 457.01246L;
        r.sumZeta = -0.045L;
        r.flow = 3600.5L;
        const SectionTexts t = TextsOf(r, c.kind, c.units);
        EXPECT_EQ(t.straightLoss, c.pressure);
        EXPECT_EQ(t.lossPerMetre, c.perMetre);
        EXPECT_EQ(t.velocity, "1.01");
        EXPECT_EQ(t.equivalentDiameter, "457.0");
        EXPECT_EQ(t.sumZeta, "-0.05");
        EXPECT_EQ(t.flow, "3600.5");
        EXPECT_EQ(t.cumulative, ""); // not computed: no text
    }
    EXPECT_EQ(PressureScale(SystemKind::Pipe, UnitSystem::SI).unit, "kPa");
    EXPECT_EQ(PressureScale(SystemKind::Duct, UnitSystem::Conventional).unit, "mmAq");
    EXPECT_EQ(LossPerMetreScale(UnitSystem::SI).unit, "Pa/m");
    EXPECT_EQ(HeadScale().text(PascalsPerMetreHead() * 12.345L), "12.35");
}

// An editor's units: a rated loss typed in the sheet's pressure unit is kept
// in Pa.
TEST(SheetTexts, ParameterUnits)
{
    using fittings::Quantity;
    const Scale mmAq =
        ParameterScale(Quantity::Pressure, SystemKind::Duct, UnitSystem::Conventional);
    EXPECT_EQ(mmAq.unit, "mmAq");
    EXPECT_NEAR(static_cast<double>(mmAq.pascalsOf(10)), 98.0665, 1e-12);
    EXPECT_EQ(ParameterScale(Quantity::Pressure, SystemKind::Pipe, UnitSystem::SI).unit, "kPa");
    EXPECT_EQ(ParameterScale(Quantity::Flow, SystemKind::Duct, UnitSystem::SI).unit, "m3/h");
    EXPECT_EQ(ParameterScale(Quantity::Flow, SystemKind::Pipe, UnitSystem::SI).unit, "L/min");
    EXPECT_EQ(ParameterScale(Quantity::Angle, SystemKind::Duct, UnitSystem::SI).unit, "°");
    EXPECT_EQ(ReferenceText(fittings::Reference::Combined), "主管（合計流量側）の速度");
}

// A rated loss of 30 mmAq typed in conventional units is the same equipment
// in SI: the section's loss does not depend on the unit it was typed in.
TEST(SheetTexts, EquipmentTypedInEitherUnit)
{
    const long double pascals =
        ParameterScale(fittings::Quantity::Pressure, SystemKind::Duct, UnitSystem::Conventional)
            .pascalsOf(30);
    const System s = ductSystem({section("1", "", 500, "φ200", 0, {equipment(pascals, 1000)})});
    const SectionTexts mmAq = TextsOf(Compute(s, UnitSystem::Conventional).sections[0],
                                      SystemKind::Duct, UnitSystem::Conventional);
    EXPECT_EQ(mmAq.equipmentLoss, "7.50");
    const SectionTexts pa =
        TextsOf(Compute(s, UnitSystem::SI).sections[0], SystemKind::Duct, UnitSystem::SI);
    EXPECT_EQ(pa.equipmentLoss, "73.5");
}

TEST(SheetTexts, MarginThatIsNoMargin)
{
    System s = ductSystem({section("1", "", 500, "φ200", 1)});
    s.marginPercent = -5;
    Summary summary = Compute(s, UnitSystem::SI).summary;
    EXPECT_EQ(summary.problems, (std::vector<std::string>{"余裕率は 0 以上の数にしてください。"}));
    EXPECT_NEAR(*summary.required, *summary.systemLoss * 0.95L, 1e-12);
    s.marginPercent = std::numeric_limits<long double>::quiet_NaN();
    summary = Compute(s, UnitSystem::SI).summary;
    EXPECT_EQ(summary.margin, 0);
    EXPECT_EQ(summary.problems.size(), 1u);
    EXPECT_EQ(TextsOf(summary, SystemKind::Duct, UnitSystem::SI).margin, "0");
}

} // namespace

namespace {

// A target per metre follows a switch of units as the pages' target fields
// do: × 9.80665 (or its reciprocal), written with 3 decimals, read back.
TEST(SheetUnits, SizingTargetConvertedAsThePagesConvertTheirs)
{
    struct Case
    {
        SizingRule rule;
        UnitSystem from;
        UnitSystem to;
        std::optional<long double> target;
    };
    const Case cases[] = {
        {{SizingBasis::Loss, 0.1L}, UnitSystem::Conventional, UnitSystem::SI, 0.981L},
        {{SizingBasis::Loss, 0.981L}, UnitSystem::SI, UnitSystem::Conventional, 0.1L},
        {{SizingBasis::Loss, 1.0L}, UnitSystem::SI, UnitSystem::Conventional, 0.102L},
        {{SizingBasis::Loss, 40}, UnitSystem::Conventional, UnitSystem::SI, 392.266L},
        {{SizingBasis::Loss, 0.0001L}, UnitSystem::SI, UnitSystem::Conventional, 0.0L},
        {{SizingBasis::Velocity, 5}, UnitSystem::Conventional, UnitSystem::SI, 5},
        {{SizingBasis::Loss, 0.1L}, UnitSystem::SI, UnitSystem::SI, 0.1L},
        {{SizingBasis::Loss, std::nullopt}, UnitSystem::Conventional, UnitSystem::SI, std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(static_cast<double>(c.rule.target.value_or(-1)));
        const SizingRule converted = ConvertedSizingRule(c.rule, c.from, c.to);
        EXPECT_EQ(converted.basis, c.rule.basis);
        EXPECT_EQ(converted.target, c.target);
    }
}

} // namespace
