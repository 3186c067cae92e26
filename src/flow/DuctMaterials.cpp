#include "flow/DuctMaterials.h"

#include "numeric/Failure.h"

#include <array>

namespace flow {

namespace {

using namespace std::string_view_literals;

// The list pads most names with blanks; the count of blanks is part of the text.
constexpr std::array<std::string_view, DuctMaterialCount> Items = {
    "新しい炭素鋼鋼管                             "sv,
    "ＰＶＣプラスチック管                        "sv,
    "アルミニウム                                 "sv,
    "亜鉛鉄板（連続巻き継目なしで新しい）       "sv,
    "亜鉛鉄板（連続巻き継目なし）               "sv,
    "亜鉛鉄板（板状で縦方向に継目）                 "sv,
    "ガラスファイバダクト（硬いもの）           "sv,
    "ガラスファイバダクト（空気側金属被覆）    "sv,
    "ガラスファイバダクト(空気側吹付けコーティング) "sv,
    "フレキシブルダクト（金属）の十分伸張したもの   "sv,
    "フレキシブルダクト(ワイヤと繊維)の伸張したもの "sv,
    "コンクリート"sv,
};

// Absolute roughness in mm, from the duct-design roughness tables; several are
// values in feet converted exactly (0.0005 ft = 0.1524 mm, 0.007 ft = 2.1336 mm,
// 0.01 ft = 3.048 mm, 0.015 ft = 4.572 mm).
constexpr std::array<long double, DuctMaterialCount> Roughness = {
    0.03L, 0.043L, 0.061L, 0.091L, 0.1223L, 0.18L, 0.9L, 0.1524L, 4.572L, 2.1336L, 4.572L, 3.048L,
};

} // namespace

std::span<const std::string_view> DuctMaterialItems()
{
    return Items;
}

long double DuctMaterialRoughness(int index)
{
    if (index < 0 || index >= DuctMaterialCount)
        throw numeric::RangeError();
    return Roughness[static_cast<std::size_t>(index)];
}

} // namespace flow
