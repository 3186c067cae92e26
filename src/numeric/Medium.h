#pragma once

#include <cstdint>

namespace numeric {

// What flows through a section: air, with flows in m³/h (ducts and outlets),
// or water, with flows in L/min (pipes).
enum class Medium { Air, Water };

// Seconds per time unit of the flow: 3600 for m³/h, 60 for L/min.
constexpr std::int32_t FlowTimeDivisor(Medium medium)
{
    return medium == Medium::Air ? 3600 : 60;
}

} // namespace numeric
