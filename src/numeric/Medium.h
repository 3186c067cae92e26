#pragma once

#include <cstdint>

namespace numeric {

// What flows through a section: air, with flows in m³/h (ducts and outlets),
// or water, with flows in L/min (pipes).
enum class Medium { Air, Water };

// What a flow of each medium is called, as the pages, the loss sheet and the
// chart name it (UTF-8): an air volume and a water flow.
inline constexpr char AirFlowName[] = "風量";
inline constexpr char WaterFlowName[] = "流量";

constexpr const char *FlowName(Medium medium)
{
    return medium == Medium::Air ? AirFlowName : WaterFlowName;
}

// Seconds per time unit of the flow: 3600 for m³/h, 60 for L/min.
constexpr std::int32_t FlowTimeDivisor(Medium medium)
{
    return medium == Medium::Air ? 3600 : 60;
}

} // namespace numeric
