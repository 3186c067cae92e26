#pragma once

#include "fittings/Coefficient.h"
#include "fittings/ValidRange.h"

// Tees and wyes with a constant main section (F_st = F_c), diverging and
// converging, through the branch and straight through. Every coefficient is
// referred to the combined-flow leg's velocity w_c (the main before a
// divider, after a junction); on a leg's own velocity ζ = ζ_c (w_c/w_leg)².
// Negative values are real (one stream drives the other) and are kept.
namespace fittings {

struct Tee
{
    long double areaRatio; // a = F_s / F_c, branch over combined section
    long double flowRatio; // q = Q_s / Q_c, branch over combined flow
    long double angle;     // branch angle α, °
};

inline constexpr ValidRange TeeAngleRange{0, 90, true};
inline constexpr ValidRange TeeAreaRatioRange{0, 1, true};
inline constexpr ValidRange TeeFlowRatioRange{0, 1};

// Idelchik, Handbook of Hydraulic Resistance, 3rd ed., Ch. 7: the junction
// equations with the coefficients of Tables 7-1 to 7-4 (pp. 416–419 of the
// 2006 reprint) and the divider's straight passage, Diagram 7-20 (p. 453),
// as cross-checked with the Modelica FluidDissipation library.
// Converging, branch: A [1 + (q/a)² − 2(1 − q)² − 2 (q²/a) cos α].
Coefficient ConvergingBranchIdelchik(const Tee &tee);
// Converging, straight: 1 − (1 − q)² − (1.4 − q) q² sin α − 2 K_st (q/a) cos α.
Coefficient ConvergingStraightIdelchik(const Tee &tee);
// Diverging, branch: A′ [1 + (q/a)² − 2 (q/a) cos α].
Coefficient DivergingBranchIdelchik(const Tee &tee);
// Diverging, straight: τ q².
Coefficient DivergingStraightIdelchik(const Tee &tee);

// Crane TP-410 (2009), the tee and wye equations as the fluids library
// (v1.3.1) implements them. Where Crane tabulates 2 cos α (1.74, 1.41, 1.0,
// 0 at 30°, 45°, 60°, 90°) the table is used; at other angles 2 cos α itself,
// with a warning.
Coefficient ConvergingBranchCrane(const Tee &tee);
// α ≥ 75°: 1.55 q − q²; below: 1 − (1 − q)² − (F/a) q², F = 2 cos α.
Coefficient ConvergingStraightCrane(const Tee &tee);
// G [1 + H (q/a)² − J (q/a) cos α]: H = 0.3, J = 0 for α ≥ 60° with
// d_s/d_c = √a > 2/3, else H = 1, J = 2; G = Idelchik's A′ below 75°, else
// 1 for a ≤ 2/3 and 1 + 0.3 q² above.
Coefficient DivergingBranchCrane(const Tee &tee);
// The same as Idelchik's.
Coefficient DivergingStraightCrane(const Tee &tee);

} // namespace fittings
