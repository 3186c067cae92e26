#pragma once

// The unit factors and result decimals that every page shares.
namespace numeric {

// Pa per mmAq (one kgf/m² under standard gravity): a loss in mmAq/m times this
// is the loss in Pa/m.
constexpr long double PaPerMmAq = 9.80665L;
// kPa per mmHg, and kJ per kcal (the 15 °C calorie, 4.1855 J, to four digits).
constexpr long double KPaPerMmHg = 0.1333224L;
constexpr long double KJPerKcal = 4.186L;

// Decimals of every fixed-point result on the calculation pages.
constexpr int ResultDecimals = 3;

// Factor from mmAq/m to the loss unit shown: 1 in conventional units (mmAq/m),
// PaPerMmAq in SI units (Pa/m).
constexpr long double LossUnitFactor(bool conventionalUnits)
{
    return conventionalUnits ? 1.0L : PaPerMmAq;
}

} // namespace numeric
