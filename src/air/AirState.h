#pragma once

namespace air {

// One state point of moist air, in the model's conventional units.
struct AirState
{
    long double DryBulb = 0.0L;          // t, °C
    long double WetBulb = 0.0L;          // t′, °C
    long double RelativeHumidity = 0.0L; // φ, %
    long double HumidityRatio = 0.0L;    // x, kg of water per kg of dry air
    long double VapourPressure = 0.0L;   // pw, mmHg
    long double Enthalpy = 0.0L;         // h, kcal per kg of dry air
    long double SpecificVolume = 0.0L;   // v, m³ per kg of dry air
    long double DewPoint = 0.0L;         // td, °C
    long double Pressure = 0.0L;         // P, mmHg: the pressure the state was computed at
};

} // namespace air
