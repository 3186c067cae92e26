#include "air/AirStateRange.h"

namespace air {

namespace {

struct Limits
{
    long double AirState::*quantity;
    long double lower;
    long double upper;
};

constexpr Limits CheckedRanges[] = {
    {&AirState::relativeHumidity, 0.0L, 100.0L}, // %
    {&AirState::humidityRatio, 0.0L, 1.42L},     // kg/kg
    {&AirState::dewPoint, -60.0L, 90.0L},        // °C
    {&AirState::enthalpy, -14.0L, 900.0L},       // kcal/kg
    {&AirState::dryBulb, -60.0L, 90.0L},         // °C
    {&AirState::wetBulb, -60.0L, 90.0L},         // °C
    {&AirState::pressure, 405.0L, 3750.0L},      // mmHg
};

} // namespace

bool AnyQuantityOutOfRange(const AirState &state)
{
    for (const Limits &limits : CheckedRanges) {
        const long double value = state.*limits.quantity;
        if (!(limits.lower < value && value < limits.upper))
            return true;
    }
    return false;
}

} // namespace air
