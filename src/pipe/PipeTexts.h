#pragma once

// The pipe page's texts that the size table and the loss sheet show too,
// UTF-8.
namespace pipes::texts {

// One text a line, however long: a search for a text finds its name.
// clang-format off
// The page's tab.
static const char PageCaption[] = "配管計算";
// The sizing target's caption on the velocity basis.
static const char TargetVelocity[] = "目標流速";
// A water velocity, the pipe's material and the water's temperature, as the
// size table and the loss sheet name them.
static const char Velocity[] = "流速";
static const char Material[] = "管材";
static const char WaterTemperature[] = "水温";
// clang-format on

} // namespace pipes::texts
