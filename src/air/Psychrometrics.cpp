#include "air/Psychrometrics.h"

#include "air/SearchLimitExceeded.h"
#include "numeric/Real.h"

namespace air {

namespace {

using numeric::Real;

Real Pow10(Real y)
{
    static const Real ln10 = numeric::Ln(10);
    return numeric::Exp(y * ln10);
}

void NoteLeftRange(SearchLog *log)
{
    if (log)
        ++log->leftRange;
}

// Goff–Gratch, referenced to IcePoint and with the pressure in standard
// atmospheres (hence 760 × 10^e mmHg); the enhancement factor f accounts for
// the air present with the vapour.
Real Saturation(Real t, Real P)
{
    const Real T = t + IcePoint;
    const Real ratio = T / IcePoint;   // T/T1
    const Real inverse = IcePoint / T; // T1/T
    const Real g = 0.0008L * t - 0.004L;
    const Real enhancement = 1 + 0.004L * P / 760 + g * g;
    Real e;
    if (t >= 0) {
        const Real rise = 1 - inverse; // 1 − T1/T
        e = 10.79586L * rise - 5.02808L * numeric::Log10(ratio) +
            1.50474e-4L * (1 - Pow10(-8.29692L * (ratio - 1))) +
            0.42873e-3L * (Pow10(4.76955L * rise) - 1) - 2.2195983L;
    } else {
        e = -9.096936L * (inverse - 1) - 3.56654L * numeric::Log10(inverse) +
            0.876817L * (1 - ratio) - 2.2195983L;
    }
    return enhancement * StandardPressure * Pow10(e);
}

// Humidity ratio, kg/kg, of air whose vapour pressure is p mmHg.
Real HumidityRatioFromPressure(Real p, Real P)
{
    return MolarMassRatio * p / (P - p);
}

// Vapour pressure, mmHg, of air with the humidity ratio x kg/kg.
Real PressureFromHumidityRatio(Real x, Real P)
{
    return P * x / (MolarMassRatio + x);
}

// The psychrometer relation: humidity ratio of air at dry bulb t whose wet
// bulb tw has the saturation humidity ratio xs.
Real Psychrometer(Real t, Real tw, Real xs)
{
    return xs - (DryAirSpecificHeat + VapourSpecificHeat * xs) * (t - tw) /
                    (VapourSpecificHeat * t + LatentHeatAtZero - tw);
}

Real PsychrometerHumidityRatio(Real t, Real tw, Real P)
{
    return Psychrometer(t, tw, HumidityRatioFromPressure(Saturation(tw, P), P));
}

Real EnthalpyOf(Real t, Real x)
{
    return DryAirSpecificHeat * t + (VapourSpecificHeat * t + LatentHeatAtZero) * x;
}

Real InverseEnthalpy(Real t, Real h)
{
    return (h - DryAirSpecificHeat * t) / (VapourSpecificHeat * t + LatentHeatAtZero);
}

Real RelativeHumidityOf(Real pw, Real t, Real P)
{
    return pw / Saturation(t, P) * 100;
}

// absoluteT in K: t + TriplePoint or t + IcePoint, as the caller assigns.
Real SpecificVolumeOf(Real x, Real absoluteT, Real P)
{
    return SpecificVolumeFactor * (MolarMassRatio + x) * absoluteT * StandardPressure / P;
}

// The grid is accumulated by repeated subtraction of 0.01, not recomputed
// from the step count: the accumulated rounding decides on which point a
// borderline state lands, and is part of the model.
Real WetBulbSearch(Real t, Real x, Real P, SearchLog *log)
{
    Real wetBulb = t + SearchStep;
    for (long step = 1;; ++step) {
        if (step > MaxWetBulbSteps)
            throw SearchLimitExceeded();
        wetBulb -= SearchStep;
        const Real saturated = HumidityRatioFromPressure(Saturation(wetBulb, P), P);
        if (wetBulb < MinAirTemperature) {
            NoteLeftRange(log);
            return wetBulb;
        }
        if (x >= Psychrometer(t, wetBulb, saturated))
            return wetBulb;
    }
}

// Bounded by the grid itself: from −60 °C the walk passes 90 °C at its
// 15,002nd point whatever pw is.
Real DewPointSearch(Real pw, Real P, SearchLog *log)
{
    Real a = MinAirTemperature - SearchStep;
    Real p;
    for (;;) {
        a += SearchStep;
        p = Saturation(a, P);
        if (a > MaxAirTemperature) {
            NoteLeftRange(log);
            break;
        }
        if (!(pw > p))
            break;
    }
    // The chord spans one whole degree below a, not one grid step.
    const Real below = a - 1;
    const Real pBelow = Saturation(below, P);
    return below + (pw - pBelow) / (p - pBelow);
}

AirState StateOf(Real t, Real wetBulb, Real relativeHumidity, Real x, Real pw, Real h, Real v,
                 Real dewPoint, Real P)
{
    AirState s;
    s.dryBulb = t.value();
    s.wetBulb = wetBulb.value();
    s.relativeHumidity = relativeHumidity.value();
    s.humidityRatio = x.value();
    s.vapourPressure = pw.value();
    s.enthalpy = h.value();
    s.specificVolume = v.value();
    s.dewPoint = dewPoint.value();
    s.pressure = P.value();
    return s;
}

} // namespace

long double SaturationPressure(long double t, long double P)
{
    return Saturation(t, P).value();
}

long double HumidityRatioFromVapourPressure(long double pw, long double P)
{
    return HumidityRatioFromPressure(pw, P).value();
}

long double VapourPressureFromHumidityRatio(long double x, long double P)
{
    return PressureFromHumidityRatio(x, P).value();
}

long double HumidityRatioFromWetBulb(long double t, long double wetBulb, long double P)
{
    return PsychrometerHumidityRatio(t, wetBulb, P).value();
}

long double EnthalpyFromHumidityRatio(long double t, long double x)
{
    return EnthalpyOf(t, x).value();
}

long double HumidityRatioFromEnthalpy(long double t, long double enthalpy)
{
    return InverseEnthalpy(t, enthalpy).value();
}

long double SpecificVolume(long double x, long double absoluteT, long double P)
{
    return SpecificVolumeOf(x, absoluteT, P).value();
}

long double WetBulbFromHumidityRatio(long double t, long double x, long double P, SearchLog *log)
{
    return WetBulbSearch(t, x, P, log).value();
}

long double DewPointFromVapourPressure(long double pw, long double P, SearchLog *log)
{
    return DewPointSearch(pw, P, log).value();
}

// Each procedure computes its fields in a fixed order: a fault ends it before
// any later search can warn.

AirState StateFromWetBulb(long double t, long double wetBulb, long double P, SearchLog *log)
{
    const Real absoluteT = Real(t) + TriplePoint;
    const Real x = PsychrometerHumidityRatio(t, wetBulb, P);
    const Real pw = PressureFromHumidityRatio(x, P);
    const Real phi = RelativeHumidityOf(pw, t, P);
    const Real h = EnthalpyOf(t, x);
    const Real v = SpecificVolumeOf(x, absoluteT, P);
    const Real dewPoint = DewPointSearch(pw, P, log);
    return StateOf(t, wetBulb, phi, x, pw, h, v, dewPoint, P);
}

// The humidity ratio and everything after it come from the wet bulb found on
// the grid, not from the relative humidity directly; the given relative
// humidity is returned as it was typed.
AirState StateFromRelativeHumidity(long double t, long double relativeHumidity, long double P,
                                   SearchLog *log)
{
    const Real absoluteT = Real(t) + IcePoint;
    Real pw = Real(relativeHumidity) / 100 * Saturation(t, P);
    Real x = HumidityRatioFromPressure(pw, P);
    const Real wetBulb = WetBulbSearch(t, x, P, log);
    x = PsychrometerHumidityRatio(t, wetBulb, P);
    pw = PressureFromHumidityRatio(x, P);
    const Real h = EnthalpyOf(t, x);
    const Real v = SpecificVolumeOf(x, absoluteT, P);
    const Real dewPoint = DewPointSearch(pw, P, log);
    return StateOf(t, wetBulb, relativeHumidity, x, pw, h, v, dewPoint, P);
}

AirState StateFromHumidityRatio(long double t, long double humidityRatio, long double P,
                                SearchLog *log)
{
    const Real absoluteT = Real(t) + IcePoint;
    const Real x = humidityRatio;
    const Real wetBulb = WetBulbSearch(t, x, P, log);
    const Real pw = PressureFromHumidityRatio(x, P);
    const Real phi = RelativeHumidityOf(pw, t, P);
    const Real h = EnthalpyOf(t, x);
    const Real v = SpecificVolumeOf(x, absoluteT, P);
    const Real dewPoint = DewPointSearch(pw, P, log);
    return StateOf(t, wetBulb, phi, x, pw, h, v, dewPoint, P);
}

AirState StateFromDewPoint(long double t, long double dewPoint, long double P, SearchLog *log)
{
    const Real absoluteT = Real(t) + IcePoint;
    const Real pw = Saturation(dewPoint, P);
    const Real x = HumidityRatioFromPressure(pw, P);
    const Real wetBulb = WetBulbSearch(t, x, P, log);
    const Real phi = RelativeHumidityOf(pw, t, P);
    const Real h = EnthalpyOf(t, x);
    const Real v = SpecificVolumeOf(x, absoluteT, P);
    return StateOf(t, wetBulb, phi, x, pw, h, v, dewPoint, P);
}

AirState StateFromEnthalpy(long double t, long double enthalpy, long double P, SearchLog *log)
{
    const Real absoluteT = Real(t) + TriplePoint;
    const Real x = InverseEnthalpy(t, enthalpy);
    const Real wetBulb = WetBulbSearch(t, x, P, log);
    const Real pw = PressureFromHumidityRatio(x, P);
    const Real phi = RelativeHumidityOf(pw, t, P);
    const Real v = SpecificVolumeOf(x, absoluteT, P);
    const Real dewPoint = DewPointSearch(pw, P, log);
    return StateOf(t, wetBulb, phi, x, pw, enthalpy, v, dewPoint, P);
}

} // namespace air
