#pragma once

// The unit-conversion page's texts, UTF-8.
namespace units::texts {

inline constexpr char PageCaption[] = "単位変換";

// The warning of a field that holds no number.
inline constexpr char EnterDigits[] = "数字を入力して下さい。";

} // namespace units::texts
