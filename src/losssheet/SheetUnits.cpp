#include "losssheet/SheetUnits.h"

#include "numeric/NumberParse.h"
#include "numeric/NumberText.h"
#include "numeric/Real.h"
#include "numeric/Units.h"

namespace losssheet {

long double LossUnitFactor(UnitSystem units)
{
    return numeric::LossUnitFactor(units == UnitSystem::Conventional);
}

SizingRule ConvertedSizingRule(const SizingRule &rule, UnitSystem from, UnitSystem to)
{
    if (from == to || rule.basis != SizingBasis::Loss || !rule.target)
        return rule;
    // The window's factors: Pa per mmAq towards SI, its reciprocal in
    // extended precision back.
    const numeric::Real factor = to == UnitSystem::SI ? numeric::Real(numeric::PaPerMmAq)
                                                      : numeric::Real(1) / numeric::PaPerMmAq;
    const numeric::Real shown = numeric::Real(*rule.target) * factor;
    SizingRule converted = rule;
    converted.target =
        numeric::ParsePlainNumber(numeric::FormatFixed(shown.value(), numeric::ResultDecimals));
    return converted;
}

long double PascalsPerMetreHead()
{
    return 1000 * numeric::PaPerMmAq;
}

long double Scale::shown(long double pascalValue) const
{
    return pascalValue / pascals;
}

long double Scale::pascalsOf(long double shownValue) const
{
    return shownValue * pascals;
}

std::string Scale::text(long double pascalValue) const
{
    return numeric::FormatFixed(shown(pascalValue), decimals);
}

Scale PressureScale(SystemKind kind, UnitSystem units)
{
    if (units == UnitSystem::Conventional)
        return {"mmAq", numeric::PaPerMmAq, 2};
    if (kind == SystemKind::Pipe)
        return KilopascalScale();
    return {"Pa", 1, 1};
}

Scale LossPerMetreScale(UnitSystem units)
{
    if (units == UnitSystem::Conventional)
        return {"mmAq/m", numeric::PaPerMmAq, 3};
    return {"Pa/m", 1, 2};
}

Scale HeadScale()
{
    return {"m", PascalsPerMetreHead(), 2};
}

Scale KilopascalScale()
{
    return {"kPa", 1000, 2};
}

Scale ParameterScale(fittings::Quantity quantity, SystemKind kind, UnitSystem units)
{
    using fittings::Quantity;
    switch (quantity) {
    case Quantity::Pressure:
        return PressureScale(kind, units);
    case Quantity::Flow:
        return {kind == SystemKind::Duct ? "m3/h" : "L/min", 1, 0};
    case Quantity::Angle:
        return {"°", 1, 1};
    case Quantity::Length:
        return {"m", 1, 2};
    case Quantity::Percent:
        return {"%", 1, 1};
    case Quantity::Ratio:
    case Quantity::Zeta:
    case Quantity::Choice:
        break;
    }
    return {"", 1, 3};
}

} // namespace losssheet
