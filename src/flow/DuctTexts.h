#pragma once

// The duct page's texts that the size table and the loss sheet show too,
// UTF-8.
namespace flow::texts {

// One text a line, however long: a search for a text finds its name.
// clang-format off
// The page's tab.
inline constexpr char PageCaption[] = "ダクト計算";
// The sizing target's caption on the velocity basis.
inline constexpr char TargetVelocity[] = "目標風速";
// An air velocity, as the page's result and the loss sheet name it.
inline constexpr char Velocity[] = "風速";
// clang-format on

} // namespace flow::texts
