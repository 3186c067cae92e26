#pragma once

namespace numeric {
class ResultSink;
}

// The pipe page's calculations. Flows are water in L/min: the flow model reads
// flow::IsAirFlow, which is false while the pipe page is active. Each routine
// computes everything first and writes its result fields at its very end, so
// a failure changes no field.
namespace pipes {

// What the pipe sizing reads, as plain numbers.
struct PipeSizingInputs
{
    long double flow = 0;      // L/min (S_Ryo)
    long double roughness = 0; // absolute roughness, mm (Z_Edit)
    long double density = 0;   // kg/m³ (H_Edit)
    // M_AsonP as typed: the loss per metre in the unit shown (mmAq/m or Pa/m)
    // for PipeSizingByLoss, the velocity in m/s for PipeSizingByVelocity.
    long double target = 0;
    long double lossUnitFactor = 1; // numeric::LossUnitFactor(TaniButton1 selected)
};

// What the loss of a chosen size reads.
struct PipeLossInputs
{
    int sizeIndex = -1;        // position selected in P_Size (-1: none)
    long double flow = 0;      // L/min (P_Ryo)
    long double roughness = 0; // mm (Z_Edit)
    long double density = 0;   // kg/m³ (H_Edit)
    long double lossUnitFactor = 1;
};

// The smallest nominal size whose friction loss is below target /
// lossUnitFactor (strictly: a loss equal to it takes the next size).
// Writes, in order: S_Size (nominal size, whole number), S_Speed (m/s) and
// S_AsonP (loss × lossUnitFactor), both fixed 3 decimals. When no size fits,
// throws numeric::Failure with numeric::messages::CheckValues; arithmetic faults throw
// numeric::FloatingPointFault.
void PipeSizingByLoss(const PipeSizingInputs &in, numeric::ResultSink &sink);

// The smallest nominal size whose inner diameter is at least the diameter that
// carries the flow at target m/s. Writes as PipeSizingByLoss.
void PipeSizingByVelocity(const PipeSizingInputs &in, numeric::ResultSink &sink);

// Velocity and friction loss of the chosen size. Writes P_Speed (m/s), then
// P_AsonP (loss × lossUnitFactor), both fixed 3 decimals. A size index
// outside the list throws numeric::RangeError.
void PipeLossFromSize(const PipeLossInputs &in, numeric::ResultSink &sink);

} // namespace pipes
