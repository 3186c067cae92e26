#pragma once

#include "flow/DuctSizing.h"
#include "numeric/ShownValue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The size table of a duct sizing: the neighbouring round sizes and every
// rectangle of a fixed first side that carries the same air within the same
// target, each computed by the duct page's own routines and written in the
// page's own number texts.
namespace flow {

// Which target the sizing section reads: a friction loss per metre, or a
// velocity.
enum class SizingBasis { Loss, Velocity };

// The table's rectangles: fixed sides from 100 mm up to 2,000 mm on the 50 mm
// step; the free side is never smaller than 100 mm.
constexpr int TableFirstSide = 100;
constexpr int TableLastSide = 2000;
// Round sizes shown on either side of the diameter the sizing chooses.
constexpr int TableRoundNeighbours = 2;

struct DuctTableRow
{
    // A round duct of `diameter`, or the rectangle sideA × sideB.
    bool round = false;
    std::optional<numeric::ShownValue> sideA; // mm, rectangle only
    std::optional<numeric::ShownValue> sideB; // mm, rectangle only
    // Long side over short side with one decimal, and the same in tenths
    // (rectangle only): "4.3" and 43.
    std::string aspectRatio;
    std::int64_t aspectTenths = 0;
    numeric::ShownValue diameter; // the diameter, or the rectangle's equivalent, mm
    numeric::ShownValue velocity; // m/s in the duct itself
    numeric::ShownValue loss;     // friction loss in the unit shown
    // The sizing's own test holds for this size: on the loss basis a loss at
    // most the target within the size limit, on the velocity basis a section
    // at least the one the target velocity needs.
    bool meetsTarget = false;
    bool chosen = false; // the size the page's sizing chose for these inputs
};

struct DuctTable
{
    // The round sizes from small to large, then the rectangles by first side.
    std::vector<DuctTableRow> rows;
    // No size meets the target: a loss search passed the size limit (a target
    // of 0 or less always does), or a target velocity of 0 or less, for which
    // no size can be computed and the table has no rows.
    bool targetUnreachable = false;
};

// The table for the duct page's sizing inputs. `in.round` and `in.fixedSide`
// tell which size the page chose; that size is always one of the rows.
// Arithmetic faults throw numeric::FloatingPointFault where the page's own
// sizing would fail.
DuctTable ComputeDuctTable(const DuctSizingInputs &in, SizingBasis basis);

// A shown text's value in units of 10^-decimals, rounded half away from zero
// ("4.3" with 1 gives 43), so that a limit compares with exactly what the
// table shows. Saturates beyond ±10^17.
std::int64_t ShownScaled(const std::string &text, int decimals);

} // namespace flow
