#pragma once

#include "fittings/Catalogue.h"
#include "losssheet/System.h"

#include <string>
#include <string_view>

namespace losssheet {

// The window's unit switch: conventional (mmAq/m and mmAq, heads in m) or SI
// (Pa/m and Pa; kPa for pipes).
enum class UnitSystem { Conventional, SI };

// numeric::LossUnitFactor of the unit system: what the pages multiply a
// loss per metre in mmAq/m by to show it.
long double LossUnitFactor(UnitSystem units);

// A sizing target per metre held in `from` units, as the pages convert
// their target field when the units switch: times the factor between
// mmAq/m and Pa/m, then to the 3 decimals the field is written with. A
// velocity target, and a rule without a target, stay as they are.
SizingRule ConvertedSizingRule(const SizingRule &rule, UnitSystem from, UnitSystem to);

// One metre of water column (mAq) in Pa: 1000 mmAq of 9.80665 Pa.
long double PascalsPerMetreHead();

// How a pressure (or a pressure per metre) is shown: its unit, the pascals
// in one unit, and the decimals of its text.
struct Scale
{
    std::string_view unit;
    long double pascals = 1;
    int decimals = 0;

    long double shown(long double pascalValue) const;
    long double pascalsOf(long double shownValue) const;
    // Fixed-point with the scale's decimals, rounded half away from zero.
    std::string text(long double pascalValue) const;
};

// A section's and the system's losses: mmAq (2 decimals) in conventional
// units; Pa (1 decimal) for ducts and kPa (2 decimals) for pipes in SI.
Scale PressureScale(SystemKind kind, UnitSystem units);
// A loss per metre, R: mmAq/m (3 decimals) or Pa/m (2 decimals).
Scale LossPerMetreScale(UnitSystem units);
// A head in m (2 decimals) and a pressure in kPa (2 decimals), whatever the units.
Scale HeadScale();
Scale KilopascalScale();

// The unit a fitting's input is typed and shown in, and the factor to the
// value a Fitting stores: a pressure in the sheet's pressure unit, stored in
// Pa; a flow in m3/h or L/min; the others as they are.
Scale ParameterScale(fittings::Quantity quantity, SystemKind kind, UnitSystem units);

} // namespace losssheet
