#pragma once

#include "numeric/Failure.h"
#include "numeric/ShownValue.h"

#include <cstdint>
#include <optional>

// The pipe page's calculations (the namespace is not `pipe`, which POSIX
// takes for a function). Flows are water in L/min. Each routine fills its
// result only at its end, so a failure leaves it empty.
namespace pipes {

// What the pipe sizing reads, as plain numbers.
struct PipeSizingInputs
{
    long double flow = 0;      // L/min
    long double roughness = 0; // absolute roughness, mm
    long double density = 0;   // kg/m³
    // The target as typed: the loss per metre in the unit shown (mmAq/m or
    // Pa/m) for PipeSizingByLoss, the velocity in m/s for PipeSizingByVelocity.
    long double target = 0;
    long double lossUnitFactor = 1; // numeric::LossUnitFactor of the unit system
};

// What the loss of a chosen size reads.
struct PipeLossInputs
{
    int sizeIndex = -1;        // position in the list of nominal sizes (-1: none)
    long double flow = 0;      // L/min
    long double roughness = 0; // mm
    long double density = 0;   // kg/m³
    long double lossUnitFactor = 1;
};

struct PipeSizingResult
{
    int sizeIndex = -1;                          // position of the size found in the list
    std::optional<std::int32_t> nominalSize;     // nominal size (A), written as a whole number
    std::optional<numeric::ShownValue> velocity; // m/s, fixed
    std::optional<numeric::ShownValue> loss;     // in the unit shown, fixed
};

struct PipeLossResult
{
    std::optional<numeric::ShownValue> velocity; // m/s, fixed
    std::optional<numeric::ShownValue> loss;     // in the unit shown, fixed
};

// No listed size meets the target.
class NoSizeFits : public numeric::Failure
{
public:
    NoSizeFits();
};

// The smallest nominal size whose friction loss is below target /
// lossUnitFactor (strictly: a loss equal to it takes the next size). Throws
// NoSizeFits when none is; arithmetic faults throw
// numeric::FloatingPointFault.
void PipeSizingByLoss(const PipeSizingInputs &in, PipeSizingResult &out);

// The smallest nominal size whose inner diameter is at least the diameter that
// carries the flow at target m/s.
void PipeSizingByVelocity(const PipeSizingInputs &in, PipeSizingResult &out);

// Velocity and friction loss of the chosen size. A size index outside the
// list throws numeric::RangeError.
void PipeLossFromSize(const PipeLossInputs &in, PipeLossResult &out);

} // namespace pipes
