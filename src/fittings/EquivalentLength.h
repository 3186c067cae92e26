#pragma once

// The straight length with the same loss as a fitting, from Darcy–Weisbach:
// Δp = λ (L/D) ρv²/2 = K ρv²/2 gives L_e = K·D/λ (Crane TP-410; Rennels &
// Hudson 2012). λ is the friction factor of the straight pipe at the
// operating point, so L_e is no constant of the fitting: K is kept and L_e
// derived for display.
namespace fittings {

// In the unit of `diameter`. Throws numeric::FloatingPointFault for λ = 0.
long double EquivalentLength(long double k, long double diameter, long double lambda);

} // namespace fittings
