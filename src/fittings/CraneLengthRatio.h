#pragma once

#include "fittings/Coefficient.h"
#include "fittings/ValidRange.h"

#include <optional>
#include <span>
#include <string_view>

// Crane-style K = f_T·(L/D)_eq on the pipe's velocity, with f_T the fully
// turbulent Darcy factor of clean commercial steel.
namespace fittings {

// New commercial steel, Moody, Trans. ASME 66:671–684 (1944), mm.
inline constexpr long double CommercialSteelRoughness = 0.045L;

// The fully turbulent (Re → ∞) limit of Colebrook (1939), von Kármán's form:
// f_T = 0.25 / [log₁₀(ε / (3.7 D))]², D and ε in the same unit.
long double FullyTurbulentFactor(long double diameter, long double roughness);

struct LengthRatioRow
{
    std::string_view name;
    long double lengthRatio; // (L/D)_eq
    // The nominal sizes (in) the value is cited for; unbounded for most rows.
    ValidRange sizes;
};

// The individually cited L/D values of Crane TP-410 (tee run and branch 20
// and 60 from the editions before 2009, which replaced them by the flow-ratio
// equations of the tees).
std::span<const LengthRatioRow> LengthRatioRows();

// K = f_T(D, 0.045 mm)·(L/D)_eq for a pipe of inner diameter D (mm); warns
// when the nominal size (in), if known, lies outside the row's sizes.
Coefficient CraneLengthRatio(const LengthRatioRow &row, long double innerDiameter,
                             std::optional<long double> nominalInches);

} // namespace fittings
