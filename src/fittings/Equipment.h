#pragma once

// Equipment (coil, filter, outlet, silencer, heat exchanger, damper) given by
// a catalogue pressure loss at a rated flow, scaled to the flow through it by
// the quadratic similarity of turbulent losses, Δp = Δp_rated·(Q/Q_rated)²
// (e.g. Idelchik, Handbook of Hydraulic Resistance, Ch. 1; the Japanese
// residential ventilation rule, 平成12年建設省告示第1654号, has the same form).
namespace fittings {

// In the unit of ratedLoss; flows in one unit. Throws
// numeric::FloatingPointFault for a rated flow of 0.
long double ScaledEquipmentLoss(long double ratedLoss, long double ratedFlow, long double flow);

} // namespace fittings
