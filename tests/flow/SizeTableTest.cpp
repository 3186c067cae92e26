#include "flow/SizeTable.h"

#include "flow/DuctLoss.h"
#include "flow/DuctSizing.h"
#include "numeric/Failure.h"
#include "numeric/Units.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using flow::DuctSizingInputs;
using flow::DuctTable;
using flow::DuctTableRow;
using flow::SizingBasis;

constexpr long double SI = numeric::PaPerMmAq;

// Galvanised duct (0.180 mm) and standard air (1.200 kg/m³), as the duct page
// starts; the page's choice is a rectangle with `fixedSide`, a square without.
DuctSizingInputs air(long double flow, long double target,
                     std::optional<long double> fixedSide = std::nullopt, bool round = false,
                     long double factor = 1)
{
    return {flow, 0.18L, 1.2L, target, round, fixedSide, factor};
}

std::string text(const std::optional<numeric::ShownValue> &v)
{
    return v ? v->text() : "-";
}

// "a×b d v l" of a row, in the page's texts.
std::string describe(const DuctTableRow &r)
{
    const std::string size = r.round
                                 ? "φ" + r.diameter.text()
                                 : text(r.sideA) + "×" + text(r.sideB) + " " + r.diameter.text();
    return size + " v=" + r.velocity.text() + " l=" + r.loss.text();
}

std::string describe(const flow::DuctSizingResult &r)
{
    return text(r.sideA) + "×" + text(r.sideB) + " " + text(r.diameter) + " v=" + text(r.velocity) +
           " l=" + text(r.loss);
}

const DuctTableRow *chosenRow(const DuctTable &t)
{
    const DuctTableRow *found = nullptr;
    for (const DuctTableRow &r : t.rows) {
        if (r.chosen) {
            EXPECT_EQ(found, nullptr) << "two chosen rows";
            found = &r;
        }
    }
    return found;
}

struct TableCase
{
    const char *name;
    DuctSizingInputs in;
    SizingBasis basis;
};

// Inputs of both bases, both unit systems and the three shapes the page can
// choose, with flows from a small branch to a main duct.
const TableCase Cases[] = {
    {"loss, fixed side 300", air(3600, 0.1L, 300), SizingBasis::Loss},
    {"loss, square", air(3600, 0.1L), SizingBasis::Loss},
    {"loss, round", air(3600, 0.1L, std::nullopt, true), SizingBasis::Loss},
    {"loss, SI", air(3600, 1.0L, 300, false, SI), SizingBasis::Loss},
    {"loss, small flow", air(400, 0.08L, 150), SizingBasis::Loss},
    {"loss, large flow", air(40000, 0.1L, 1000), SizingBasis::Loss},
    {"loss, high target", air(1000, 2.0L), SizingBasis::Loss},
    {"velocity, fixed side 300", air(3600, 5, 300), SizingBasis::Velocity},
    {"velocity, square", air(3600, 5), SizingBasis::Velocity},
    {"velocity, round", air(3600, 5, std::nullopt, true), SizingBasis::Velocity},
    {"velocity, small flow", air(1000, 5, 200), SizingBasis::Velocity},
    {"velocity, large flow", air(40000, 8, 600), SizingBasis::Velocity},
};

// Every rectangle of the table is exactly what the page's fixed-side sizing
// writes for that first side: the same routine, the same texts.
TEST(DuctTable, RectanglesAreThePagesFixedSideSizing)
{
    for (const TableCase &c : Cases) {
        SCOPED_TRACE(c.name);
        const DuctTable table = flow::ComputeDuctTable(c.in, c.basis);
        const auto sizing =
            c.basis == SizingBasis::Loss ? flow::DuctSizingByLoss : flow::DuctSizingByVelocity;
        long double nextSide = flow::TableFirstSide;
        const DuctTableRow *last = nullptr;
        for (const DuctTableRow &r : table.rows) {
            if (r.round)
                continue;
            SCOPED_TRACE(describe(r));
            // A rectangle is the fixed-side sizing of the next first side (no
            // side is skipped), or else the page's own choice: its sizing of
            // the page's inputs.
            DuctSizingInputs in = c.in;
            in.round = false;
            in.fixedSide = r.sideA->value;
            flow::DuctSizingResult fixedSide;
            sizing(in, fixedSide);
            if (r.sideA->value == nextSide && describe(r) == describe(fixedSide)) {
                EXPECT_EQ(r.sideA->form, fixedSide.sideA->form);
                EXPECT_EQ(r.sideB->form, fixedSide.sideB->form);
                EXPECT_GE(r.sideB->value, flow::TableFirstSide);
                nextSide += 50;
                last = &r;
                continue;
            }
            EXPECT_TRUE(r.chosen);
            flow::DuctSizingResult page;
            sizing(c.in, page);
            EXPECT_EQ(describe(r), describe(page));
        }
        // The list runs to 2,000 mm or ends with the first free side of
        // 100 mm, below which the next one would fall.
        ASSERT_NE(last, nullptr);
        EXPECT_TRUE(last->sideA->value == flow::TableLastSide ||
                    last->sideB->value == flow::TableFirstSide);
        EXPECT_FALSE(table.targetUnreachable);
    }
}

// The round rows are the page's round sizing and its loss section's results
// for the two sizes below and above it.
TEST(DuctTable, RoundRowsAreTheRoundSizingAndItsNeighbours)
{
    for (const TableCase &c : Cases) {
        SCOPED_TRACE(c.name);
        const DuctTable table = flow::ComputeDuctTable(c.in, c.basis);
        DuctSizingInputs in = c.in;
        in.round = true;
        in.fixedSide.reset();
        flow::DuctSizingResult page;
        (c.basis == SizingBasis::Loss ? flow::DuctSizingByLoss : flow::DuctSizingByVelocity)(in,
                                                                                             page);
        int k = -flow::TableRoundNeighbours;
        for (const DuctTableRow &r : table.rows) {
            if (!r.round)
                break;
            const long double d = page.diameter->value + 25 * k++;
            SCOPED_TRACE(static_cast<double>(d));
            EXPECT_EQ(r.diameter.value, d);
            EXPECT_EQ(r.diameter.form, page.diameter->form);
            flow::DuctLossInputs loss;
            loss.flow = c.in.flow;
            loss.roughness = c.in.roughness;
            loss.density = c.in.density;
            loss.fromDiameter = true;
            loss.diameter = d;
            loss.lossUnitFactor = c.in.lossUnitFactor;
            flow::DuctLossResult shown;
            flow::DuctLossFromSize(loss, shown);
            EXPECT_EQ(r.velocity.text(), shown.velocity->text());
            EXPECT_EQ(r.loss.text(), shown.loss->text());
            // Sizes below the page's choice miss the target, the others meet it.
            EXPECT_EQ(r.meetsTarget, d >= page.diameter->value);
            EXPECT_EQ(r.chosen, c.in.round && d == page.diameter->value);
        }
        EXPECT_EQ(k, flow::TableRoundNeighbours + 1);
    }
}

// The duct page's worked examples (3600 m³/h, 0.180 mm, 1.200 kg/m³).
TEST(DuctTable, WorkedExamples)
{
    const struct
    {
        const char *name;
        DuctSizingInputs in;
        SizingBasis basis;
        std::string chosen;
    } cases[] = {
        // Fixed side 300 at 0.100 mmAq/m: 300 × 600, 457.0124…, 5.556 m/s, 0.092.
        {"fixed side 300", air(3600, 0.1L, 300), SizingBasis::Loss,
         "300×600 457.012459777829 v=5.556 l=0.092"},
        {"square", air(3600, 0.1L), SizingBasis::Loss, "450×450 491.924402923423 v=4.938 l=0.064"},
        {"round", air(3600, 0.1L, std::nullopt, true), SizingBasis::Loss, "φ450 v=6.288 l=0.100"},
        {"round in SI units", air(3600, 1.0L, std::nullopt, true, SI), SizingBasis::Loss,
         "φ450 v=6.288 l=0.977"},
        // Velocity basis at 5 m/s: 300 × 700, a square of 450, a circle of 525.
        {"velocity, fixed side 300", air(3600, 5, 300), SizingBasis::Velocity,
         "300×700 490.152 v=4.762 l=0.065"},
        {"velocity, square", air(3600, 5), SizingBasis::Velocity,
         "450×450 491.924 v=4.938 l=0.064"},
        {"velocity, round", air(3600, 5, std::nullopt, true), SizingBasis::Velocity,
         "φ525 v=4.619 l=0.046"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const DuctTable table = flow::ComputeDuctTable(c.in, c.basis);
        const DuctTableRow *chosen = chosenRow(table);
        ASSERT_NE(chosen, nullptr);
        EXPECT_EQ(describe(*chosen), c.chosen);
        EXPECT_TRUE(chosen->meetsTarget);
    }
}

// The page's own rectangle is always a row: marked where the table has it,
// added in order of the first side where it has not.
TEST(DuctTable, ThePagesChoiceIsAlwaysARow)
{
    const struct
    {
        const char *name;
        DuctSizingInputs in;
        std::string chosen;
        std::string before; // the row before it
    } cases[] = {
        {"on the step", air(3600, 0.1L, 300), "300×600", "250×750"},
        {"between the steps", air(3600, 0.1L, 275), "275×650", "250×750"},
        {"above the last side", air(3600, 0.1L, 2500), "2500×150", "2000×150"},
        // A square is no fixed-side size here: 450 × 400 already meets the
        // target.
        {"square", air(3600, 0.1L), "450×450", "400×450"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const DuctTable table = flow::ComputeDuctTable(c.in, SizingBasis::Loss);
        for (std::size_t i = 1; i < table.rows.size(); ++i) {
            const DuctTableRow &r = table.rows[i];
            if (!r.chosen)
                continue;
            EXPECT_EQ(text(r.sideA) + "×" + text(r.sideB), c.chosen);
            const DuctTableRow &before = table.rows[i - 1];
            EXPECT_EQ(text(before.sideA) + "×" + text(before.sideB), c.before);
        }
        EXPECT_NE(chosenRow(table), nullptr);
    }
}

// A target that can never be met: every loss search runs to the size limit,
// the table lists every side with the sizes it reached, and says so once.
TEST(DuctTable, TargetNeverMet)
{
    for (const long double target : {0.0L, -0.5L}) {
        SCOPED_TRACE(static_cast<double>(target));
        const DuctTable table = flow::ComputeDuctTable(air(3600, target), SizingBasis::Loss);
        EXPECT_TRUE(table.targetUnreachable);
        int round = 0;
        int rectangles = 0;
        for (const DuctTableRow &r : table.rows) {
            EXPECT_FALSE(r.meetsTarget) << describe(r);
            EXPECT_EQ(r.loss.text(), "0.000");
            r.round ? ++round : ++rectangles;
        }
        // Round: 10025 mm and its neighbours; rectangles: 100 to 2,000 mm and
        // the page's square, which ends at 9150 × 9150.
        EXPECT_EQ(round, 5);
        EXPECT_EQ(table.rows.front().diameter.text(), "9975");
        EXPECT_EQ(table.rows[4].diameter.text(), "10075");
        EXPECT_EQ(rectangles, 39 + 1);
        ASSERT_NE(chosenRow(table), nullptr);
        EXPECT_EQ(describe(*chosenRow(table)), "9150×9150 10002.4628594429 v=0.012 l=0.000");
    }
    // No section carries air at a velocity of 0 or less.
    for (const long double target : {0.0L, -5.0L}) {
        const DuctTable table = flow::ComputeDuctTable(air(3600, target), SizingBasis::Velocity);
        EXPECT_TRUE(table.targetUnreachable);
        EXPECT_TRUE(table.rows.empty());
    }
}

// Where the page's sizing fails, so does the table.
TEST(DuctTable, FailsWhereThePageFails)
{
    const struct
    {
        const char *name;
        DuctSizingInputs in;
        SizingBasis basis;
    } cases[] = {
        {"no air, loss basis", air(0, 0.1L, 300), SizingBasis::Loss},
        {"no air, velocity basis", air(0, 5), SizingBasis::Velocity},
        {"negative air, velocity basis", air(-3600, 5), SizingBasis::Velocity},
        {"fixed side 0", air(3600, 0.1L, 0), SizingBasis::Loss},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(flow::ComputeDuctTable(c.in, c.basis), numeric::FloatingPointFault);
    }
}

TEST(ShownScaled, ReadsTheShownText)
{
    const struct
    {
        const char *text;
        int decimals;
        std::int64_t expected;
    } cases[] = {
        {"4.3", 1, 43},           {"4.0", 1, 40},       {"28.5", 1, 285},
        {"2.000", 3, 2000},       {"2.001", 3, 2001},   {"-0.758", 3, -758},
        {"0.000", 3, 0},          {"13.157", 3, 13157}, {"1.2E27", 1, 100'000'000'000'000'000LL},
        {"107025.5", 1, 1070255},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(flow::ShownScaled(c.text, c.decimals), c.expected);
    }
}

} // namespace
