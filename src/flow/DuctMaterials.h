#pragma once

#include <span>
#include <string_view>

namespace flow {

constexpr int DuctMaterialCount = 12;

// The items of the duct material list, in list order, exactly as the
// list stores them (some with trailing blanks).
std::span<const std::string_view> DuctMaterialItems();

// Absolute roughness (mm) of the duct material at a list index; throws
// numeric::RangeError for an index outside 0..11.
long double DuctMaterialRoughness(int index);

} // namespace flow
