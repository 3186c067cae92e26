#pragma once

#include "air/AirState.h"

#include <optional>

// Air-conditioning processes between state points of the moist-air model:
// the change of state with its heat split, mixing, the cooling coil, heating,
// humidification and the sensible-heat-factor line. Conventional units
// throughout (°C, kg/kg, kcal/kg, mmHg, m³/h, kcal/h); every new state comes
// from the state procedures of air/Psychrometrics.h, so it lies on the lines
// the chart draws through it. Faults throw numeric::FloatingPointFault or
// air::SearchLimitExceeded as those procedures do.
namespace air {

// The heat a change of state A → B takes, with A's airflow.
//
// Along the path A → C = (t_B, x_A) → B the enthalpy relation
// h = 0.24·t + (0.441·t + 597.3)·x gives exactly
//   h_B − h_A = (0.24 + 0.441·x_A)·(t_B − t_A) + (597.3 + 0.441·t_B)·(x_B − x_A):
// the first term is the sensible heat (the humid specific heat of the
// entering air times Δt), the second the latent heat (the latent heat at
// 0 °C plus the vapour warmed to t_B, times Δx). Sensible plus latent is the
// total from the enthalpy difference.
struct StateChange
{
    long double deltaDryBulb = 0.0L;       // Δt, °C
    long double deltaHumidityRatio = 0.0L; // Δx, kg/kg
    long double deltaEnthalpy = 0.0L;      // Δh, kcal/kg
    // The rest needs A's airflow; empty without it.
    std::optional<long double> dryAirFlow;   // G = Q / v_A, kg/h
    std::optional<long double> sensibleHeat; // kcal/h
    std::optional<long double> latentHeat;   // kcal/h
    std::optional<long double> totalHeat;    // sensible + latent = G·Δh, kcal/h
    // Sensible over total; empty when the total is zero.
    std::optional<long double> sensibleHeatFactor;
};

// `airflow` is A's volume flow in m³/h; none or zero leaves the heats empty.
StateChange ChangeOfState(const AirState &a, const AirState &b, std::optional<long double> airflow);

// Mixing of two airstreams of volume flows q1 and q2 (m³/h, both > 0) by the
// dry-air mass balance of humidity ratio and enthalpy, at the pressure of the
// first state.
struct Mixture
{
    AirState state;
    long double airflow = 0.0L; // (G1 + G2)·v, m³/h at the mixed state
};
Mixture Mix(const AirState &s1, long double q1, const AirState &s2, long double q2);

// The dry bulb of air with humidity ratio x and enthalpy h: the inverse of
// the enthalpy relation in t, t = (h − 597.3·x) / (0.24 + 0.441·x).
long double DryBulbFromEnthalpy(long double x, long double h);

// The saturated state at t (relative humidity 100 %): the dew-point procedure
// with the dew point equal to the dry bulb, so that x is the saturation
// humidity ratio the chart's saturation curve is drawn from.
AirState SaturatedState(long double t, long double P);

// Cooling coil: the leaving air is the bypassed part of the entering air
// mixed with air at the apparatus dew point (ADP, saturated), by mass:
//   x_L = x_ADP + BF·(x_E − x_ADP),  h_L = h_ADP + BF·(h_E − h_ADP).
struct CoilResult
{
    AirState apparatusDewPoint;
    AirState leaving;
    long double bypassFactor = 0.0L;
};
CoilResult CoolingCoilByBypassFactor(const AirState &entering, long double adp,
                                     long double bypassFactor);
// The same with the leaving dry bulb given; the bypass factor follows from
// t_L on the line above: BF = (R4(t_L, x_ADP) − h_ADP) / (Δh − (597.3 + 0.441·t_L)·Δx)
// with Δ = entering − ADP (solving R4(t_L, x_L) = h_L, linear in BF).
CoilResult CoolingCoilByLeavingDryBulb(const AirState &entering, long double adp,
                                       long double leavingDryBulb);

// Heating (or sensible cooling) at constant humidity ratio to the dry bulb t.
AirState HeatTo(const AirState &a, long double t);

// What a humidifier aims at.
enum class HumidifyTarget { RelativeHumidity, HumidityRatio };

// Steam humidification at constant dry bulb to a relative humidity (%) or a
// humidity ratio (kg/kg).
AirState SteamHumidify(const AirState &a, HumidifyTarget target, long double value);

// Water-spray humidification along the wet-bulb line of A (adiabatic
// saturation, t′ constant) to a relative humidity (%) or a humidity ratio.
// Empty when the target is not on that line between A and saturation.
std::optional<AirState> SprayHumidify(const AirState &a, HumidifyTarget target, long double value);

// The dry bulb t on the wet-bulb line t′ with the humidity ratio x: the
// psychrometer relation solved for t. With a = 0.24 + 0.441·xs′:
//   t = (a·t′ + (xs′ − x)·(597.3 − t′)) / (a − 0.441·(xs′ − x)).
long double DryBulbOnWetBulbLine(long double wetBulb, long double x, long double P);

// The humidity ratio on the SHF line through the room point R at the dry bulb
// t: every point B of it has ChangeOfState(R, B).sensibleHeatFactor == shf,
//   x = x_R + (1 − SHF)/SHF · (0.24 + 0.441·x_R)·(t − t_R) / (597.3 + 0.441·t).
// shf must not be zero (that line is the vertical t = t_R).
long double ShfLineHumidityRatio(const AirState &room, long double shf, long double t);

} // namespace air
