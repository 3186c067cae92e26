#pragma once

#include <string_view>

// Names of fittings that more than one of the pipe fitting tables lists.
namespace fittings::rowname {

inline constexpr std::string_view SwingCheck = "スイング逆止弁";
inline constexpr std::string_view LiftCheck = "リフト逆止弁";
inline constexpr std::string_view DiaphragmDam = "ダイヤフラム弁 せき形";
inline constexpr std::string_view TeeRunStubIn = "チーズ 直流 差込み分岐";

} // namespace fittings::rowname
