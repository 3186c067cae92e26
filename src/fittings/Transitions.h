#pragma once

#include "fittings/Coefficient.h"
#include "fittings/ValidRange.h"

// Gradual (conical) changes of section of total included angle θ (degrees).
// The area ratio is the smaller section over the larger; every coefficient
// is referred to the smaller section's velocity. A rectangular (pyramidal)
// transition has no published formula: the conical one with β² = the area
// ratio and θ the larger included angle is the customary approximation.
namespace fittings {

inline constexpr ValidRange TransitionAngleRange{0, 180, true};

// Conical diffuser, Rennels & Hudson (2012), Ch. 11, β = d₁/d₂, f the Darcy
// factor of the inlet, K_fr = f (1 − β⁴) / (8 sin(θ/2)) (the friction of the
// diffuser's length, included):
//   θ ≤ 20°:        K = 8.30 tan^1.75(θ/2) (1 − β²)² + K_fr
//   20° < θ ≤ 60°:  K = [1.366 √sin(2(θ − 15°)) − 0.170
//                        − 3.28 (0.0625 − β⁴) √((θ − 20°)/40°) if β < 0.5] (1 − β²)² + K_fr
//   θ > 60°, β < 0.5: K = [1.205 − 3.28 (0.0625 − β⁴) − 12.8 β⁶ √((θ − 60°)/120°)] (1 − β²)²
//   θ > 60°, β ≥ 0.5: K = [1.205 − 0.20 √((θ − 60°)/120°)] (1 − β²)²
Coefficient DiffuserRennels(long double areaRatio, long double angle, long double frictionFactor);

// Conical diffuser, Crane TP-410: K = 2.6 sin(θ/2)(1 − β²)² below 45°, else (1 − β²)².
Coefficient DiffuserCrane(long double areaRatio, long double angle);

// Conical reducer, Rennels & Hudson (2012), Ch. 12, β = d₂/d₁:
// Λ = 1 + 0.622 (θ/180°)^0.8 (1 − 0.215 β² − 0.785 β⁵),
// K = f (1 − β⁴)/(8 sin(θ/2)) + 0.0696 sin(θ/2)(1 − β⁵) Λ² + (Λ − 1)².
Coefficient ReducerRennels(long double areaRatio, long double angle, long double frictionFactor);

// Conical reducer, Crane TP-410: K = 0.8 sin(θ/2)(1 − β²) below 45°,
// 0.5 √sin(θ/2) (1 − β²) from 45° to 180°.
Coefficient ReducerCrane(long double areaRatio, long double angle);

} // namespace fittings
