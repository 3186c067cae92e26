#pragma once

#include <optional>

namespace numeric {
class ResultSink;
}

namespace flow {

// What the duct sizing reads from the duct page, as plain numbers.
struct DuctSizingInputs
{
    long double flow = 0;      // air volume, m³/h (S_Fryo)
    long double roughness = 0; // absolute roughness, mm (Ztai_Edit)
    long double density = 0;   // kg/m³ (Hijy_Edit)
    // M_Ason as typed: the loss per metre in the unit shown (mmAq/m or Pa/m)
    // for DuctSizingByLoss, the velocity in m/s for DuctSizingByVelocity.
    long double target = 0;
    bool round = false; // MaruButton selected; else a rectangle
    // S_Size1 (mm), only for a rectangle with CheckBox1 ticked and Enter
    // pressed in S_Size1; empty otherwise (the square is sized then).
    std::optional<long double> fixedSide;
    long double lossUnitFactor = 1; // numeric::LossUnitFactor(TaniButton1 selected)
};

// Pressure-loss basis: tries the standard sizes upward (round from 50 mm by
// 25 mm; squares from 100 × 100 by 50 mm; or fixedSide × 100, × 150, ...)
// until the friction loss is at most target / lossUnitFactor or the
// (equivalent) diameter passes 10000 mm. Past 10000 mm it warns with
// CheckValuesMessage and writes the last size tried all the same.
//
// Writes, in order: [S_Size1, S_Size2 (rectangle, 15-digit general)],
// [warning], S_SizeD (15-digit general), S_Ason (loss × lossUnitFactor, fixed
// 3 decimals), S_Fusok (m/s, fixed 3 decimals). Arithmetic faults throw
// numeric::FloatingPointFault before anything is written.
void DuctSizingByLoss(const DuctSizingInputs &in, numeric::ResultSink &sink);

// Velocity basis: the section that carries the flow at target m/s, rounded
// up to the size steps (a fixed side is kept as typed). No size limit.
//
// Writes, in order: round: S_SizeD (4-digit general); rectangle: S_Size1
// (fixed side 15-digit general, square side 4-digit general), then S_Size2
// (4-digit general), S_SizeD (equivalent diameter, fixed 3 decimals); then
// S_Ason and S_Fusok (fixed 3 decimals). S_Size1 is written before the
// equivalent diameter is computed, so it keeps its new text when that fails.
void DuctSizingByVelocity(const DuctSizingInputs &in, numeric::ResultSink &sink);

} // namespace flow
