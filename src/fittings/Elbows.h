#pragma once

#include "fittings/Coefficient.h"
#include "fittings/ValidRange.h"

// Elbows of round ducts and pipes; every coefficient on the duct's own
// velocity. Angles in degrees.
namespace fittings {

// Idelchik, Handbook of Hydraulic Resistance, 3rd ed. (1994; 2006 reprint),
// Diagram 6-1, p. 357: 0.5 ≤ R/D ≤ 3, 0 < δ ≤ 180°, Re above about 2·10⁵.
inline constexpr ValidRange SmoothElbowRadiusRange{0.5L, 3};
inline constexpr ValidRange ElbowAngleRange{0, 180, true};
inline constexpr ValidRange SmoothElbowReynoldsRange{200000};
// Rennels & Hudson, Pipe Flow (2012), Ch. 15: smooth bends r/d ≥ 0.5,
// 0 < α ≤ 180°; mitre bends 0 < α ≤ 150°.
inline constexpr ValidRange RennelsBendRadiusRange{0.5L};
inline constexpr ValidRange MitreRennelsAngleRange{0, 150, true};
// Idelchik Diagram 6-7, p. 366: 0 < δ ≤ 180°, Re ≥ 2·10⁵.
inline constexpr ValidRange MitreIdelchikReynoldsRange{200000};

// Idelchik Diagram 6-1, the local loss alone: ζ = A₁(δ)·B₁(R/D)·C₁ with
// C₁ = 1 (round and square sections). Idelchik's Reynolds correction below
// 2·10⁵ is not applied (warned instead): it would raise ζ by a few per cent.
Coefficient SmoothElbowIdelchik(long double radiusRatio, long double angle, long double reynolds);

// The same plus the friction of the bend's own length,
// ζ_fr = 0.0175·λ·δ·R/D, for a straight run that leaves that length out.
Coefficient SmoothElbowIdelchikWithFriction(long double radiusRatio, long double angle,
                                            long double reynolds, long double lambda);

// Rennels & Hudson (2012), bend equation (Ch. 15), which includes the
// friction of the bend's length: K = f·α·r/d + (0.10 + 2.4 f)·sin(α/2)
// + 6.6 f·(√sin(α/2) + sin(α/2)) / (r/d)^(4α/π), α in radians, f the
// Darcy friction factor of the duct.
Coefficient SmoothElbowRennels(long double radiusRatio, long double angle,
                               long double frictionFactor);

// Single-joint mitre elbow, Rennels & Hudson (2012), Ch. 15:
// K = 0.42 sin(α/2) + 2.56 sin³(α/2).
Coefficient MitredElbowRennels(long double angle);

// Single-joint mitre elbow, Idelchik Diagram 6-7 as transcribed by the
// Modelica FluidDissipation library (its factor A not checked against the
// book): ζ = A·C₁·(0.95 sin²(δ/2) + 2.05 sin⁴(δ/2)), A = 0.95 + 33.5/δ.
Coefficient MitredElbowIdelchik(long double angle, long double reynolds);

} // namespace fittings
