#pragma once

#include "fittings/Coefficient.h"
#include "fittings/ValidRange.h"

// Sudden changes of section, free exits and the change of reference section.
// The area ratio is always the smaller section over the larger, and every
// coefficient here is referred to the smaller section's velocity.
namespace fittings {

inline constexpr ValidRange AreaRatioRange{0, 1, true};
// Borda–Carnot holds for turbulent flow, Re₁ ≳ 3.3·10³; Idelchik's sharp
// contraction (Diagram 4-9) for Re > 10⁴.
inline constexpr ValidRange BordaCarnotReynoldsRange{3300};
inline constexpr ValidRange SharpContractionReynoldsRange{10000, Unbounded, true};

// The same loss on another section: ζ₂ = ζ₁·(A₂/A₁)², ζ₁ on the velocity
// through area₁, ζ₂ through area₂ (fittings reference §1.2).
long double ChangeReference(long double zeta, long double area1, long double area2);

// Sudden expansion, Borda–Carnot (momentum balance; Idelchik Diagram 4-1,
// p. 208; Rennels & Hudson 2012): ζ₁ = (1 − A₁/A₂)² on the upstream (small)
// velocity.
Coefficient SuddenExpansion(long double areaRatio, long double reynolds);

// Free discharge into a room or plenum, the limit A₂ → ∞ of Borda–Carnot
// (Rennels & Hudson 2012, Ch. 10): ζ = 1 on the duct's own velocity.
Coefficient FreeExit();

// Sudden contraction, all on the downstream (small) velocity, β² = A₂/A₁:
// Idelchik Diagram 4-9, pp. 216–217: ζ = 0.5·(1 − A₂/A₁)^0.75.
Coefficient SuddenContractionIdelchik(long double areaRatio, long double reynolds);
// Rennels & Hudson (2012), Ch. 12: K = 0.0696 (1 − β⁵) Λ² + (Λ − 1)²,
// Λ = 1 + 0.622 (1 − 0.215 β² − 0.785 β⁵).
Coefficient SuddenContractionRennels(long double areaRatio);
// Crane TP-410, the contraction formula at θ = 180°: K = 0.5 (1 − β²).
Coefficient SuddenContractionCrane(long double areaRatio);

// Hooper, "Calculate head loss caused by change in pipe size", Chem. Eng.
// 95(16):89 (1988), with the Reynolds number and Darcy factor of the
// upstream section. Expansion, on the upstream (small) velocity:
// Re₁ < 4000: K = 2 (1 − (D₁/D₂)⁴); else K = (1 + 0.8 f₁)(1 − (D₁/D₂)²)².
// A conical expansion (angle < 180°) multiplies it by 2.6 sin(θ/2) below 45°.
Coefficient ExpansionHooper(long double areaRatio, long double angle, long double reynolds1,
                            long double friction1);
// Contraction, Hooper's K₁ on the upstream (large) velocity moved to the
// downstream (small) one, K₂ = K₁ (D₂/D₁)⁴: Re₁ ≤ 2500:
// K₁ = (1.2 + 160/Re₁)((D₁/D₂)⁴ − 1); else K₁ = (0.6 + 0.48 f₁)(D₁/D₂)²((D₁/D₂)² − 1).
// Conical (angle < 180°): × 1.6 sin(θ/2) below 45°, × √sin(θ/2) from 45° up.
Coefficient ContractionHooper(long double areaRatio, long double angle, long double reynolds1,
                              long double friction1);

} // namespace fittings
