#include "air/Processes.h"

#include "air/Psychrometrics.h"
#include "numeric/Real.h"

namespace air {

namespace {

using numeric::Real;

// Humid specific heat, kcal/(kg·K): dry air plus the vapour it carries.
Real HumidHeat(Real x)
{
    return DryAirSpecificHeat + VapourSpecificHeat * x;
}

// Latent heat of the vapour at t, kcal/kg: 597.3 at 0 °C, the vapour then
// warmed to t.
Real VapourHeat(Real t)
{
    return LatentHeatAtZero + VapourSpecificHeat * t;
}

AirState LeavingOnCoilLine(const AirState &adp, const AirState &entering, Real bf, Real t)
{
    const Real x = adp.humidityRatio + bf * (Real(entering.humidityRatio) - adp.humidityRatio);
    return StateFromHumidityRatio(t.value(), x.value(), entering.pressure);
}

} // namespace

StateChange ChangeOfState(const AirState &a, const AirState &b, std::optional<long double> airflow)
{
    StateChange change;
    const Real dt = Real(b.dryBulb) - a.dryBulb;
    const Real dx = Real(b.humidityRatio) - a.humidityRatio;
    const Real dh = Real(b.enthalpy) - a.enthalpy;
    change.deltaDryBulb = dt.value();
    change.deltaHumidityRatio = dx.value();
    change.deltaEnthalpy = dh.value();
    if (!airflow || *airflow == 0.0L)
        return change;

    const Real g = Real(*airflow) / a.specificVolume;
    const Real sensible = g * HumidHeat(a.humidityRatio) * dt;
    // Latent is the rest of G·Δh, which the split above makes equal to
    // G·(597.3 + 0.441·t_B)·Δx; taking the difference keeps the sum right
    // also for a state whose enthalpy was given rather than computed. The
    // total is then their sum, so the three numbers add up to the last bit
    // and differ from G·Δh by at most a rounding.
    const Real latent = g * dh - sensible;
    const Real total = sensible + latent;
    change.dryAirFlow = g.value();
    change.sensibleHeat = sensible.value();
    change.latentHeat = latent.value();
    change.totalHeat = total.value();
    if (total != 0)
        change.sensibleHeatFactor = (sensible / total).value();
    return change;
}

Mixture Mix(const AirState &s1, long double q1, const AirState &s2, long double q2)
{
    const Real g1 = Real(q1) / s1.specificVolume;
    const Real g2 = Real(q2) / s2.specificVolume;
    const Real g = g1 + g2;
    const Real x = (g1 * s1.humidityRatio + g2 * s2.humidityRatio) / g;
    const Real h = (g1 * s1.enthalpy + g2 * s2.enthalpy) / g;
    const long double t = DryBulbFromEnthalpy(x.value(), h.value());
    Mixture mixture;
    mixture.state = StateFromHumidityRatio(t, x.value(), s1.pressure);
    mixture.airflow = (g * mixture.state.specificVolume).value();
    return mixture;
}

long double DryBulbFromEnthalpy(long double x, long double h)
{
    return ((Real(h) - LatentHeatAtZero * Real(x)) / HumidHeat(x)).value();
}

AirState SaturatedState(long double t, long double P)
{
    return StateFromDewPoint(t, t, P);
}

CoilResult CoolingCoilByBypassFactor(const AirState &entering, long double adp,
                                     long double bypassFactor)
{
    CoilResult coil;
    coil.apparatusDewPoint = SaturatedState(adp, entering.pressure);
    coil.bypassFactor = bypassFactor;
    const AirState &a = coil.apparatusDewPoint;
    const Real bf = bypassFactor;
    const Real x = a.humidityRatio + bf * (Real(entering.humidityRatio) - a.humidityRatio);
    const Real h = a.enthalpy + bf * (Real(entering.enthalpy) - a.enthalpy);
    coil.leaving = LeavingOnCoilLine(a, entering, bf, DryBulbFromEnthalpy(x.value(), h.value()));
    return coil;
}

CoilResult CoolingCoilByLeavingDryBulb(const AirState &entering, long double adp,
                                       long double leavingDryBulb)
{
    CoilResult coil;
    coil.apparatusDewPoint = SaturatedState(adp, entering.pressure);
    const AirState &a = coil.apparatusDewPoint;
    const Real t = leavingDryBulb;
    const Real dx = Real(entering.humidityRatio) - a.humidityRatio;
    const Real dh = Real(entering.enthalpy) - a.enthalpy;
    const Real bf = (Real(EnthalpyFromHumidityRatio(t.value(), a.humidityRatio)) - a.enthalpy) /
                    (dh - VapourHeat(t) * dx);
    coil.bypassFactor = bf.value();
    coil.leaving = LeavingOnCoilLine(a, entering, bf, t);
    return coil;
}

AirState HeatTo(const AirState &a, long double t)
{
    return StateFromHumidityRatio(t, a.humidityRatio, a.pressure);
}

AirState SteamHumidify(const AirState &a, HumidifyTarget target, long double value)
{
    if (target == HumidifyTarget::RelativeHumidity)
        return StateFromRelativeHumidity(a.dryBulb, value, a.pressure);
    return StateFromHumidityRatio(a.dryBulb, value, a.pressure);
}

long double DryBulbOnWetBulbLine(long double wetBulb, long double x, long double P)
{
    const Real tw = wetBulb;
    const Real xs = HumidityRatioFromVapourPressure(SaturationPressure(wetBulb, P), P);
    const Real a = HumidHeat(xs);
    const Real d = xs - x;
    return ((a * tw + d * (Real(LatentHeatAtZero) - tw)) / (a - VapourSpecificHeat * d)).value();
}

std::optional<AirState> SprayHumidify(const AirState &a, HumidifyTarget target, long double value)
{
    const long double tw = a.wetBulb;
    const long double P = a.pressure;
    long double t = 0.0L;
    if (target == HumidifyTarget::HumidityRatio) {
        if (!(value > a.humidityRatio))
            return std::nullopt;
        t = DryBulbOnWetBulbLine(tw, value, P);
        if (!(t >= tw))
            return std::nullopt;
    } else {
        // The relative humidity falls monotonically along the line from 100 %
        // at t′ to A's at t_A; bisection on the relations of the model.
        const auto phiAt = [&](long double ti) {
            const Real x = HumidityRatioFromWetBulb(ti, tw, P);
            return (Real(VapourPressureFromHumidityRatio(x.value(), P)) /
                    SaturationPressure(ti, P) * 100)
                .value();
        };
        long double lo = tw;        // φ ≈ 100
        long double hi = a.dryBulb; // φ ≈ φ_A
        if (!(value < 100.0L) || !(value > phiAt(hi)))
            return std::nullopt;
        for (int i = 0; i < 80 && lo < hi; ++i) {
            const long double mid = lo + (hi - lo) / 2;
            if (mid == lo || mid == hi)
                break;
            (phiAt(mid) > value ? lo : hi) = mid;
        }
        t = hi;
    }
    return StateFromWetBulb(t, tw, P);
}

long double ShfLineHumidityRatio(const AirState &room, long double shf, long double t)
{
    const Real s = shf;
    const Real dt = Real(t) - room.dryBulb;
    return (room.humidityRatio + (1 - s) / s * HumidHeat(room.humidityRatio) * dt / VapourHeat(t))
        .value();
}

} // namespace air
