#pragma once

// The duct page's texts that the size table and the loss sheet show too,
// UTF-8.
namespace flow::texts {

// One text a line, however long: a search for a text finds its name.
// clang-format off
// The page's tab.
static const char PageCaption[] = "ダクト計算";
// The sizing target's caption on the velocity basis.
static const char TargetVelocity[] = "目標風速";
// An air velocity, as the page's result and the loss sheet name it.
static const char Velocity[] = "風速";
// clang-format on

} // namespace flow::texts
