#pragma once

#include <optional>

namespace numeric {
class ResultSink;
}

// The outlet page's calculations. The face velocity is the velocity through
// the free area, the gross face area times the opening ratio. Flows are air in
// m³/h (flow::IsAirFlow is true while the outlet page is active).
namespace outlet {

// What the sizing section reads, as plain numbers.
struct OutletSizingInputs
{
    long double flow = 0;           // air volume, m³/h (Edit19)
    long double velocity = 0;       // target face velocity, m/s (Edit26)
    long double openingPercent = 0; // opening ratio, % (Edit20)
    bool round = false;             // RadioButton2 checked; else rectangular
    // Edit23 (mm), only for a rectangle with CheckBox2 checked and Enter
    // pressed in Edit23; empty otherwise (a square is sized then).
    std::optional<long double> fixedSide;
};

// What the check section reads, as plain numbers.
struct OutletCheckInputs
{
    long double flow = 0;           // air volume, m³/h (Edit17)
    long double openingPercent = 0; // opening ratio, % (Edit18)
    // Enter was pressed in Edit30: a round outlet of `diameter`. Otherwise
    // (Enter in Edit29) the rectangle sideA × sideB.
    bool fromDiameter = false;
    long double diameter = 0; // Edit30, mm; read only when fromDiameter
    long double sideA = 0;    // Edit28, mm; read only for a rectangle
    long double sideB = 0;    // Edit29, mm; read only for a rectangle
};

// Sizes an outlet for the flow at the face velocity, rounded up to 25 mm
// (diameter) or 50 mm (sides), and tells the face velocity of that size.
// Writes, in order:
//   round:     Edit25 (diameter, 4-digit general), Edit21 (velocity);
//   rectangle: Edit23 (the fixed side as typed, 15-digit general, or the
//              square's side, 4-digit general), Edit24 (other side, 4-digit
//              general), Edit25 (equivalent diameter), Edit21 (velocity).
// Velocities and equivalent diameters are fixed 3 decimals. Edit23 is written
// before the equivalent diameter is computed and keeps its text when that
// fails. Arithmetic faults throw numeric::FloatingPointFault.
void SizeOutlet(const OutletSizingInputs &in, numeric::ResultSink &sink);

// Face velocity of a given outlet. Writes, in order: Edit30 (rectangle only:
// the equivalent diameter, fixed 3 decimals), Edit32 (velocity, fixed 3
// decimals). Arithmetic faults throw numeric::FloatingPointFault.
void CheckOutlet(const OutletCheckInputs &in, numeric::ResultSink &sink);

} // namespace outlet
