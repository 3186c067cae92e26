#pragma once

#include "air/AirState.h"

namespace air {

// True when any checked quantity of the state lies on or outside its limits;
// every range is open. Checked, in the model's units: relative humidity
// (0, 100) %, humidity ratio (0, 1.42) kg/kg, dew point, dry bulb and wet
// bulb (−60, 90) °C, enthalpy (−14, 900) kcal/kg, pressure (405, 3750) mmHg.
// Vapour pressure and specific volume are not checked.
bool AnyQuantityOutOfRange(const AirState &state);

} // namespace air
