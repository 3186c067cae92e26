#pragma once

#include "numeric/ShownValue.h"

#include <optional>

// The outlet page's calculations. The face velocity is the velocity through
// the free area, the gross face area times the opening ratio. Flows are air in
// m³/h.
namespace outlet {

// What the sizing section reads, as plain numbers.
struct OutletSizingInputs
{
    long double flow = 0;           // air volume, m³/h
    long double velocity = 0;       // target face velocity, m/s
    long double openingPercent = 0; // opening ratio, %
    bool round = false;             // a round outlet; else rectangular
    // The fixed first side of a rectangle, mm, when the user fixed one;
    // empty otherwise (a square is sized then).
    std::optional<long double> fixedSide;
};

// What the check section reads, as plain numbers.
struct OutletCheckInputs
{
    long double flow = 0;           // air volume, m³/h
    long double openingPercent = 0; // opening ratio, %
    // A round outlet of `diameter` (Enter in the diameter field), or else the
    // rectangle sideA × sideB.
    bool fromDiameter = false;
    long double diameter = 0; // mm; read only when fromDiameter
    long double sideA = 0;    // mm; read only for a rectangle
    long double sideB = 0;    // mm; read only for a rectangle
};

// Each value as soon as it is known; a failure leaves those reached before.
struct OutletSizingResult
{
    std::optional<numeric::ShownValue> sideA;    // rectangle: first side, mm
    std::optional<numeric::ShownValue> sideB;    // rectangle: second side, mm
    std::optional<numeric::ShownValue> diameter; // round diameter, or the rectangle's equivalent
    std::optional<numeric::ShownValue> velocity; // face velocity, m/s
};

struct OutletCheckResult
{
    std::optional<numeric::ShownValue> equivalentDiameter; // rectangle only, mm
    std::optional<numeric::ShownValue> velocity;           // face velocity, m/s
};

// Sizes an outlet for the flow at the face velocity, rounded up to 25 mm
// (diameter) or 50 mm (sides), and tells the face velocity of that size.
// A round diameter and computed sides are 4-digit general texts, a fixed side
// a 15-digit one; velocities and equivalent diameters are fixed. The first
// side is known before the equivalent diameter is computed.
void SizeOutlet(const OutletSizingInputs &in, OutletSizingResult &out);

// Face velocity of a given outlet, and a rectangle's equivalent diameter.
void CheckOutlet(const OutletCheckInputs &in, OutletCheckResult &out);

} // namespace outlet
