#pragma once

#include "air/AirState.h"

#include <optional>

namespace chart {

// The apparatus dew point of an SHF line: the saturated state where the line
// through the room state R with the sensible heat factor `shf` (0 < shf ≤ 1)
// meets the saturation curve below R's dry bulb; the coil that serves the room
// cools its air towards it. Empty when the line reaches dry air first or R is
// not below saturation.
std::optional<air::AirState> ShfLineApparatusDewPoint(const air::AirState &room, long double shf);

} // namespace chart
