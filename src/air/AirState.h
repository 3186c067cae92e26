#pragma once

namespace air {

// One state point of moist air, in the model's conventional units.
struct AirState
{
    long double dryBulb = 0.0L;          // t, °C
    long double wetBulb = 0.0L;          // t′, °C
    long double relativeHumidity = 0.0L; // φ, %
    long double humidityRatio = 0.0L;    // x, kg of water per kg of dry air
    long double vapourPressure = 0.0L;   // pw, mmHg
    long double enthalpy = 0.0L;         // h, kcal per kg of dry air
    long double specificVolume = 0.0L;   // v, m³ per kg of dry air
    long double dewPoint = 0.0L;         // td, °C
    long double pressure = 0.0L;         // P, mmHg: the pressure the state was computed at
};

} // namespace air
