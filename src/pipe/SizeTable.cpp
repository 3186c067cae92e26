#include "pipe/SizeTable.h"

#include "flow/FlowModel.h"
#include "numeric/Real.h"
#include "pipe/PipeTables.h"

namespace pipes {

using flow::Medium;
using numeric::Real;

namespace {

// The index the page's sizing chooses, or -1 when no listed size meets the
// target. A target velocity of 0 or less is never met; the page's routine
// would fail on it with an arithmetic fault instead.
int chosenIndex(const PipeSizingInputs &in, flow::SizingBasis basis)
{
    if (basis == flow::SizingBasis::Velocity && !(in.target > 0))
        return -1;
    PipeSizingResult out;
    try {
        if (basis == flow::SizingBasis::Loss)
            PipeSizingByLoss(in, out);
        else
            PipeSizingByVelocity(in, out);
    } catch (const NoSizeFits &) {
        return -1;
    }
    return out.sizeIndex;
}

} // namespace

PipeTable ComputePipeTable(const PipeSizingInputs &in, flow::SizingBasis basis)
{
    PipeTable table;
    for (int i = 0; i < PipeSizeCount; ++i) {
        const PipeLossInputs loss{i, in.flow, in.roughness, in.density, in.lossUnitFactor};
        PipeLossResult out;
        PipeLossFromSize(loss, out);
        PipeTableRow row;
        row.sizeIndex = i;
        row.nominalSize = PipeNominalSize(i);
        row.innerDiameter = numeric::General15(PipeInnerDiameter(i));
        row.velocity = *out.velocity;
        row.loss = *out.loss;
        row.velocityThousandths = flow::ShownScaled(row.velocity.text(), 3);
        table.rows.push_back(row);
    }

    const int chosen = chosenIndex(in, basis);
    table.targetUnreachable = chosen < 0;
    if (chosen >= 0)
        table.rows[static_cast<std::size_t>(chosen)].chosen = true;

    // The sizing's test for each size, as PipeSizingByLoss and
    // PipeSizingByVelocity make it.
    if (basis == flow::SizingBasis::Loss) {
        const Real target = Real(in.target) / in.lossUnitFactor; // mmAq/m
        for (PipeTableRow &row : table.rows) {
            const Real loss = flow::FrictionLoss(in.flow, PipeInnerDiameter(row.sizeIndex),
                                                 in.density, in.roughness, Medium::Water);
            row.meetsTarget = loss < target;
        }
    } else if (in.target > 0) {
        const long double area = flow::AreaForVelocity(in.flow, in.target, Medium::Water);
        const Real needed = flow::SideFromArea(area, 0); // mm
        for (PipeTableRow &row : table.rows)
            row.meetsTarget = PipeInnerDiameter(row.sizeIndex) >= needed;
    }
    return table;
}

} // namespace pipes
