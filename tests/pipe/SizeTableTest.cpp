#include "pipe/SizeTable.h"

#include "flow/FlowModel.h"
#include "numeric/Failure.h"
#include "numeric/Units.h"
#include "pipe/PipeTables.h"

#include <gtest/gtest.h>

namespace {

using flow::SizingBasis;
using pipes::PipeSizingInputs;
using pipes::PipeTable;

constexpr long double SI = numeric::PaPerMmAq;

// Water at 20 ℃ (998.2 kg/m³) in rusty steel pipe (0.300 mm), as the pipe
// page starts.
PipeSizingInputs water(long double flow, long double target, long double factor = 1,
                       long double roughness = 0.3L)
{
    return {flow, roughness, 998.2L, target, factor};
}

int chosenIndex(const PipeTable &t)
{
    int chosen = -1;
    for (const pipes::PipeTableRow &r : t.rows) {
        if (r.chosen) {
            EXPECT_EQ(chosen, -1) << "two chosen rows";
            chosen = r.sizeIndex;
        }
    }
    return chosen;
}

struct TableCase
{
    const char *name;
    PipeSizingInputs in;
    SizingBasis basis;
};

const TableCase Cases[] = {
    {"loss 30", water(100, 30), SizingBasis::Loss},
    {"loss in SI units", water(100, 294.2L, SI), SizingBasis::Loss},
    {"smooth pipe", water(100, 30, 1, 0.002L), SizingBasis::Loss},
    {"large flow", water(20000, 20), SizingBasis::Loss},
    {"small flow", water(2, 10), SizingBasis::Loss},
    {"velocity 1.5", water(100, 1.5L), SizingBasis::Velocity},
    {"velocity 2.0", water(100, 2), SizingBasis::Velocity},
    {"velocity, large flow", water(20000, 2.5L), SizingBasis::Velocity},
};

// Each row is what the loss section shows for that size, and the chosen row
// is the page's sizing.
TEST(PipeTable, RowsAreTheLossSectionsResults)
{
    for (const TableCase &c : Cases) {
        SCOPED_TRACE(c.name);
        const PipeTable table = pipes::ComputePipeTable(c.in, c.basis);
        ASSERT_EQ(table.rows.size(), static_cast<std::size_t>(pipes::PipeSizeCount));
        for (int i = 0; i < pipes::PipeSizeCount; ++i) {
            SCOPED_TRACE(i);
            const pipes::PipeTableRow &r = table.rows[static_cast<std::size_t>(i)];
            pipes::PipeLossResult page;
            pipes::PipeLossFromSize(
                {i, c.in.flow, c.in.roughness, c.in.density, c.in.lossUnitFactor}, page);
            EXPECT_EQ(r.sizeIndex, i);
            EXPECT_EQ(r.nominalSize, pipes::PipeNominalSize(i));
            EXPECT_EQ(r.innerDiameter.value, pipes::PipeInnerDiameter(i));
            EXPECT_EQ(r.velocity.text(), page.velocity->text());
            EXPECT_EQ(r.loss.text(), page.loss->text());
            EXPECT_EQ(r.velocityThousandths, flow::ShownScaled(page.velocity->text(), 3));
        }
        pipes::PipeSizingResult sized;
        (c.basis == SizingBasis::Loss ? pipes::PipeSizingByLoss
                                      : pipes::PipeSizingByVelocity)(c.in, sized);
        EXPECT_EQ(chosenIndex(table), sized.sizeIndex);
        EXPECT_FALSE(table.targetUnreachable);
        // The sizes below the choice miss the target, the rest meet it.
        for (const pipes::PipeTableRow &r : table.rows)
            EXPECT_EQ(r.meetsTarget, r.sizeIndex >= sized.sizeIndex) << r.nominalSize;
    }
}

// The test is strict, as the page's: a loss equal to the target misses it.
TEST(PipeTable, LossEqualToTargetMissesIt)
{
    const long double size40 =
        flow::FrictionLoss(100, pipes::PipeInnerDiameter(5), 998.2L, 0.3L, flow::Medium::Water);
    const PipeTable table = pipes::ComputePipeTable(water(100, size40), SizingBasis::Loss);
    EXPECT_FALSE(table.rows[5].meetsTarget);
    EXPECT_TRUE(table.rows[6].chosen);
}

// A target no listed size meets still lists every size, none chosen, with
// one flag for the whole table; the page's own sizing fails on it.
TEST(PipeTable, TargetNeverMet)
{
    const TableCase cases[] = {
        {"loss target 0", water(100, 0), SizingBasis::Loss},
        {"negative loss target", water(100, -5), SizingBasis::Loss},
        {"below the largest size", water(100, 0.0003L), SizingBasis::Loss},
        {"velocity 0", water(100, 0), SizingBasis::Velocity},
        {"negative velocity", water(100, -1), SizingBasis::Velocity},
        {"velocity too low", water(100, 0.001L), SizingBasis::Velocity},
    };
    for (const TableCase &c : cases) {
        SCOPED_TRACE(c.name);
        const PipeTable table = pipes::ComputePipeTable(c.in, c.basis);
        EXPECT_TRUE(table.targetUnreachable);
        EXPECT_EQ(table.rows.size(), static_cast<std::size_t>(pipes::PipeSizeCount));
        EXPECT_EQ(chosenIndex(table), -1);
        for (const pipes::PipeTableRow &r : table.rows)
            EXPECT_FALSE(r.meetsTarget) << r.nominalSize;
        EXPECT_EQ(table.rows[5].velocity.text(), "1.226");
    }
}

// Where the loss section fails for every size, so does the table.
TEST(PipeTable, FailsWhereTheLossSectionFails)
{
    EXPECT_THROW(pipes::ComputePipeTable(water(0, 30), SizingBasis::Loss),
                 numeric::FloatingPointFault);
    EXPECT_THROW(pipes::ComputePipeTable(water(0, 2), SizingBasis::Velocity),
                 numeric::FloatingPointFault);
    // A negative flow in a smooth pipe takes the logarithm of a negative number.
    EXPECT_THROW(pipes::ComputePipeTable(water(-100, 30, 1, 0.002L), SizingBasis::Loss),
                 numeric::FloatingPointFault);
}

} // namespace
