#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace pipes {

constexpr int PipeMaterialCount = 5;
constexpr int WaterTemperatureCount = 21;
constexpr int PipeSizeCount = 22;

// Items of the lists of pipe materials, water temperatures (in ℃: "0",
// "10", ... "200") and nominal sizes, in list order.
std::span<const std::string_view> PipeMaterialItems();
std::span<const std::string_view> WaterTemperatureItems();
std::span<const std::string_view> PipeSizeItems();

// Checked lookups by list index: an index outside the table throws
// numeric::RangeError (numeric::messages::RangeCheck).
long double PipeMaterialRoughness(int index); // absolute roughness, mm
long double WaterDensity(int index);          // kg/m³ at 10·index ℃
std::int32_t PipeNominalSize(int index);      // nominal size (A)
long double PipeInnerDiameter(int index);     // inner diameter, mm

} // namespace pipes
