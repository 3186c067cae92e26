#pragma once

#include "numeric/ShownValue.h"

#include <optional>

namespace flow {

// What the duct pressure-loss section reads, as plain numbers. Flows are air
// in m³/h.
struct DuctLossInputs
{
    long double flow = 0;      // air volume, m³/h
    long double roughness = 0; // absolute roughness, mm
    long double density = 0;   // kg/m³
    // A round duct of `diameter` (Enter in the diameter field, whatever the
    // shape), or else the rectangle sideA × sideB.
    bool fromDiameter = false;
    long double diameter = 0;       // mm; read only when fromDiameter
    long double sideA = 0;          // mm; read only for a rectangle
    long double sideB = 0;          // mm; read only for a rectangle
    long double lossUnitFactor = 1; // numeric::LossUnitFactor of the unit system
};

// Each value as soon as it is known; a failure leaves those reached before.
struct DuctLossResult
{
    std::optional<numeric::ShownValue> equivalentDiameter; // rectangle only, mm
    std::optional<numeric::ShownValue> loss;               // in the unit shown
    std::optional<numeric::ShownValue> velocity;           // m/s
};

// Velocity and friction loss of a given duct, all fixed texts. A rectangle's
// velocity is its own; its loss is that of the round duct of its equivalent
// diameter, which is known before the loss is computed.
void DuctLossFromSize(const DuctLossInputs &in, DuctLossResult &out);

} // namespace flow
