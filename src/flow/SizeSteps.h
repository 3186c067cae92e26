#pragma once

namespace flow {

// Standard size steps, mm: round ducts and outlets go up in 25 mm, the sides
// of rectangular ducts and outlets in 50 mm.
constexpr int RoundSizeStep = 25;
constexpr int RectSizeStep = 50;

} // namespace flow
