#pragma once

#include "fittings/Coefficient.h"
#include "fittings/ValidRange.h"

#include <span>
#include <string_view>

// Darby's 3-K method: K = K₁/Re + K_i (1 + K_d / D_n^0.3), D_n the NOMINAL
// pipe size in inches (K_d in in^0.3), Re on the pipe's velocity and inner
// diameter; K on the pipe's velocity. Valid from laminar to fully turbulent
// flow, valves fully open, for ½ to 24 in. Darby, "Correlate pressure drops
// through fittings", Chem. Eng. 106(7):101–104 (1999); Darby, Chemical
// Engineering Fluid Mechanics, 2nd ed. (2001), Table 7-3; Silverberg, Chem.
// Eng. 108(4):127–130 (2001); the constants as the fluids library (v1.3.1)
// carries them.
namespace fittings {

struct ThreeKRow
{
    std::string_view name;
    long double k1;
    long double ki;
    long double kd;
};

inline constexpr ValidRange ThreeKSizeRange{0.5L, 24};

// The 34 rows, in the order of the table.
std::span<const ThreeKRow> ThreeKRows();

Coefficient ThreeK(const ThreeKRow &row, long double reynolds, long double nominalInches);

} // namespace fittings
