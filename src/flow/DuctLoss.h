#pragma once

namespace numeric {
class ResultSink;
}

namespace flow {

// What the duct pressure-loss section reads, as plain numbers.
struct DuctLossInputs
{
    long double flow = 0;      // air volume, m³/h (P_Fryo)
    long double roughness = 0; // absolute roughness, mm (Ztai_Edit)
    long double density = 0;   // kg/m³ (Hijy_Edit)
    // Enter was pressed in P_SizeD: a round duct of `diameter`. Otherwise
    // (Enter in P_Size2) the rectangle sideA × sideB.
    bool fromDiameter = false;
    long double diameter = 0;       // P_SizeD, mm; read only when fromDiameter
    long double sideA = 0;          // P_Size1, mm; read only for a rectangle
    long double sideB = 0;          // P_Size2, mm; read only for a rectangle
    long double lossUnitFactor = 1; // numeric::LossUnitFactor(TaniButton1 selected)
};

// Velocity and friction loss of a given duct. A rectangle's velocity is its
// own; its loss is that of the round duct of its equivalent diameter.
//
// Writes, in order: P_SizeD (rectangle only: the equivalent diameter, fixed 3
// decimals, written before the loss is computed), P_Ason (loss ×
// lossUnitFactor), P_Fusok (m/s), both fixed 3 decimals. Arithmetic faults
// throw numeric::FloatingPointFault; the fields written before keep their text.
void DuctLossFromSize(const DuctLossInputs &in, numeric::ResultSink &sink);

} // namespace flow
