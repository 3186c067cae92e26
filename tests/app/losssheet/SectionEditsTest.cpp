#include "app/losssheet/SectionEdits.h"
#include "app/losssheet/ConditionsPanel.h"
#include "app/losssheet/FittingTexts.h"
#include "app/losssheet/LossSheetModel.h"
#include "app/losssheet/SectionColumns.h"
#include "numeric/Failure.h"

#include <gtest/gtest.h>

namespace {

using namespace app::losssheet;
using losssheet::Section;
using losssheet::System;

System Named(std::initializer_list<std::pair<const char *, const char *>> sections)
{
    System s;
    for (const auto &[name, upstream] : sections)
        s.sections.push_back({name, upstream, std::nullopt, "", 0, {}, {}});
    return s;
}

std::string Names(const System &s)
{
    std::string text;
    for (const Section &section : s.sections)
        text += section.name + "<" + section.upstream + " ";
    return text;
}

// Ins: after the row given (at the end without one), named by the next
// number, continuing the section before it.
TEST(SectionEdits, InsertedSectionsContinueTheOneBefore)
{
    struct Case
    {
        System system;
        int row;
        int inserted;
        const char *names;
    };
    const Case cases[] = {
        {Named({}), -1, 0, "1< "},
        {Named({{"1", ""}}), 0, 1, "1< 2<1 "},
        {Named({{"1", ""}, {"2", "1"}}), 0, 1, "1< 3<1 2<1 "},
        {Named({{"1", ""}, {"2", "1"}}), -1, 2, "1< 2<1 3<2 "},
        {Named({{"1", ""}, {"2", "1"}}), 7, 2, "1< 2<1 3<2 "},
        {Named({{"SA", ""}, {"９", "SA"}}), 1, 2, "SA< ９<SA 10<９ "},
    };
    for (Case c : cases) {
        SCOPED_TRACE(c.names);
        EXPECT_EQ(InsertSection(c.system, c.row), c.inserted);
        EXPECT_EQ(Names(c.system), c.names);
    }
}

// A new name takes the sections below along, unless the old name was not
// the section's alone (then the links stay where they were).
TEST(SectionEdits, RenamingTakesTheLinksOfAUniqueName)
{
    System s = Named({{"1", ""}, {"2", "1"}, {"3", " １ "}, {"4", "2"}});
    ApplySectionCell(s, 0, NameColumn, QStringLiteral(" M1 "));
    EXPECT_EQ(Names(s), "M1< 2<M1 3<M1 4<2 ");

    System twice = Named({{"1", ""}, {"1", ""}, {"2", "1"}});
    ApplySectionCell(twice, 0, NameColumn, QStringLiteral("A"));
    EXPECT_EQ(Names(twice), "A< 1< 2<1 ");
}

// What each typed cell stores, and what it refuses.
TEST(SectionEdits, TypedCells)
{
    System s = Named({{"1", ""}});
    struct Case
    {
        int column;
        const char *typed;
        bool refused;
    };
    const Case cases[] = {
        {FlowColumn, "1200*3", false},   {FlowColumn, "", false},     {FlowColumn, "1/0", true},
        {LengthColumn, "２５", false},   {LengthColumn, "", false},   {LengthColumn, "L=", true},
        {NameColumn, "  ", true},        {SizeColumn, "φ300", false}, {SizeColumn, "何か", false},
        {UpstreamColumn, "無い", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        const QString typed = QString::fromUtf8(c.typed);
        EXPECT_EQ(!CheckSectionCell(c.column, typed, losssheet::SystemKind::Duct).isEmpty(),
                  c.refused);
        if (c.refused) {
            EXPECT_THROW(ApplySectionCell(s, 0, c.column, typed), numeric::Failure);
        } else {
            ApplySectionCell(s, 0, c.column, typed);
        }
    }
    EXPECT_FALSE(s.sections[0].flow.has_value()); // the last flow typed was blank
    EXPECT_EQ(s.sections[0].length, 0);
    EXPECT_EQ(s.sections[0].size, "何か"); // the row says it is no size
    EXPECT_EQ(s.sections[0].upstream, "無い");
    ApplySectionCell(s, 0, LengthColumn, QStringLiteral("２５"));
    EXPECT_EQ(s.sections[0].length, 25);
    // A refused cell says which column and why.
    EXPECT_TRUE(CheckSectionCell(FlowColumn, QStringLiteral("1/0"), losssheet::SystemKind::Pipe)
                    .startsWith(QStringLiteral("流量：")));
}

TEST(SystemNames, NewAndCopiedSystemsGetNamesOfTheirOwn)
{
    LossSheetModel sheet;
    System s;
    s.name = UnusedSystemName(sheet.systems(), "ダクト系統");
    EXPECT_EQ(s.name, "ダクト系統 1");
    sheet.add(s);
    EXPECT_EQ(UnusedSystemName(sheet.systems(), "ダクト系統"), "ダクト系統 2");
    EXPECT_EQ(sheet.system(sheet.duplicate(0)).name, "ダクト系統 1 のコピー");
    EXPECT_EQ(sheet.system(sheet.duplicate(0)).name, "ダクト系統 1 のコピー 1");
    EXPECT_EQ(sheet.count(), 3);
    EXPECT_EQ(sheet.duplicate(5), -1);
    sheet.remove(7); // nothing
    EXPECT_EQ(sheet.count(), 3);
}

TEST(ConditionTexts, ThreeDecimalsWhenExact)
{
    EXPECT_EQ(ConditionText(1.2L), QStringLiteral("1.200"));
    EXPECT_EQ(ConditionText(0.18L), QStringLiteral("0.180"));
    EXPECT_EQ(ConditionText(999.7L), QStringLiteral("999.700"));
    EXPECT_EQ(ConditionText(1.2045L), QStringLiteral("1.2045"));
    EXPECT_EQ(ConditionText(0.0015L), QStringLiteral("0.0015"));
}

// A typed parameter comes back as typed in its own unit; converted to the
// other unit system it shows at the unit's decimals, not to fifteen digits.
TEST(ParameterTexts, TypedValuesAsTypedConversionsAtTheUnitsDecimals)
{
    using losssheet::SystemKind;
    using losssheet::UnitSystem;
    constexpr long double mmAq = 9.80665L; // Pa
    const struct
    {
        fittings::Quantity quantity;
        long double stored; // as the document keeps it (Pa for a pressure)
        UnitSystem units;
        const char *shown;
    } cases[] = {
        {fittings::Quantity::Pressure, 250, UnitSystem::Conventional, "25.49"},
        {fittings::Quantity::Pressure, 25.49L * mmAq, UnitSystem::Conventional, "25.49"},
        {fittings::Quantity::Pressure, 25.495L * mmAq, UnitSystem::Conventional, "25.495"},
        {fittings::Quantity::Pressure, 250, UnitSystem::SI, "250"},
        {fittings::Quantity::Ratio, 1, UnitSystem::Conventional, "1"},
        {fittings::Quantity::Ratio, 0.0375L, UnitSystem::SI, "0.0375"},
        {fittings::Quantity::Ratio, 1e-7L, UnitSystem::SI, "1E-7"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.shown);
        fittings::Parameter p;
        p.quantity = c.quantity;
        EXPECT_EQ(ParameterValueText(p, c.stored, SystemKind::Duct, c.units, false),
                  QString::fromUtf8(c.shown));
    }
}

} // namespace
