#pragma once

#include "flow/SizeTable.h"
#include "numeric/ShownValue.h"
#include "pipe/PipeSizing.h"

#include <cstdint>
#include <vector>

// The size table of a pipe sizing: every nominal size with the velocity and
// friction loss that the pipe page's loss section shows for it.
namespace pipes {

struct PipeTableRow
{
    int sizeIndex = 0;                  // position in the list of nominal sizes
    std::int32_t nominalSize = 0;       // nominal size (A)
    numeric::ShownValue innerDiameter;  // mm, general text
    numeric::ShownValue velocity;       // m/s, as PipeLossFromSize writes it
    numeric::ShownValue loss;           // in the unit shown, as PipeLossFromSize writes it
    std::int64_t velocityThousandths{}; // the velocity as shown, in mm/s
    // The sizing's own test holds: a loss below the target, or an inner
    // diameter at least the one the target velocity needs.
    bool meetsTarget = false;
    bool chosen = false; // the size the page's sizing chose
};

struct PipeTable
{
    std::vector<PipeTableRow> rows; // every nominal size, small to large
    // No listed size meets the target (a target of 0 or less never is met);
    // no row is chosen then.
    bool targetUnreachable = false;
};

// The table for the pipe page's sizing inputs. Arithmetic faults throw
// numeric::FloatingPointFault where the page's loss section would fail.
PipeTable ComputePipeTable(const PipeSizingInputs &in, flow::SizingBasis basis);

} // namespace pipes
