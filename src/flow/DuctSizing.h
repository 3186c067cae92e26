#pragma once

#include "numeric/ShownValue.h"

#include <optional>

namespace flow {

// The pressure-loss search gives up on sizes whose (equivalent) diameter
// passes this, mm.
constexpr long double LossSearchSizeLimit = 10000;

// What the duct sizing reads, as plain numbers. Flows are air in m³/h.
struct DuctSizingInputs
{
    long double flow = 0;      // air volume, m³/h
    long double roughness = 0; // absolute roughness, mm
    long double density = 0;   // kg/m³
    // The target as typed: the loss per metre in the unit shown (mmAq/m or
    // Pa/m) for DuctSizingByLoss, the velocity in m/s for DuctSizingByVelocity.
    long double target = 0;
    bool round = false; // a round duct; else a rectangle
    // The fixed first side of a rectangle, mm, when the user fixed one;
    // empty otherwise (a square is sized then).
    std::optional<long double> fixedSide;
    long double lossUnitFactor = 1; // numeric::LossUnitFactor of the unit system
};

// What a sizing found, each value as soon as it is known: a failure leaves
// the values reached before it, which the page still shows.
struct DuctSizingResult
{
    std::optional<numeric::ShownValue> sideA;    // first side of a rectangle, mm
    std::optional<numeric::ShownValue> sideB;    // second side, mm
    std::optional<numeric::ShownValue> diameter; // diameter, or the rectangle's equivalent, mm
    std::optional<numeric::ShownValue> loss;     // friction loss in the unit shown
    std::optional<numeric::ShownValue> velocity; // m/s in the duct itself
    // The loss search passed the size limit (or gave up): the page warns
    // after the sides and before the other results, which are the last size
    // tried.
    bool sizeLimitPassed = false;
};

// Pressure-loss basis: tries the standard sizes upward (round from 50 mm by
// 25 mm; squares from 100 × 100 by 50 mm; or fixedSide × 100, × 150, ...)
// until the friction loss is at most target / lossUnitFactor or the
// (equivalent) diameter passes 10000 mm. Sides and diameter are 15-digit
// general texts, loss and velocity fixed. Every arithmetic fault comes before
// the first value is known.
void DuctSizingByLoss(const DuctSizingInputs &in, DuctSizingResult &out);

// Velocity basis: the section that carries the flow at target m/s, rounded
// up to the size steps (a fixed side is kept as typed). No size limit.
// A computed side and a round diameter are 4-digit general texts, a fixed
// side a 15-digit one, the equivalent diameter, loss and velocity fixed. The
// first side is known before the equivalent diameter is computed, so it
// stays when that fails.
void DuctSizingByVelocity(const DuctSizingInputs &in, DuctSizingResult &out);

} // namespace flow
