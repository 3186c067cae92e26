#include "pipe/PipeTables.h"

#include "numeric/Failure.h"

#include <array>
#include <cstddef>

namespace pipes {

namespace {

using namespace std::string_view_literals;

constexpr std::array<std::string_view, PipeMaterialCount> MaterialItems = {
    "引抜き鋼管、塩ビ管"sv, "新しい亜鉛ﾒｯｷ鋼管"sv, "錆びた鋼管"sv,
    "滑らかなｺﾝｸﾘｰﾄ管"sv,   "粗いｺﾝｸﾘｰﾄ管"sv,
};

// Absolute roughness in mm, in the order of MaterialItems.
constexpr std::array<long double, PipeMaterialCount> MaterialRoughness = {
    0.0015L, 0.15L, 0.3L, 0.5L, 2.0L,
};

constexpr std::array<std::string_view, WaterTemperatureCount> TemperatureItems = {
    "0"sv,   "10"sv,  "20"sv,  "30"sv,  "40"sv,  "50"sv,  "60"sv,
    "70"sv,  "80"sv,  "90"sv,  "100"sv, "110"sv, "120"sv, "130"sv,
    "140"sv, "150"sv, "160"sv, "170"sv, "180"sv, "190"sv, "200"sv,
};

// Density of water in kg/m³ at 0, 10, ... 200 ℃ (saturated liquid above
// 100 ℃). The 140 ℃ value is the saturated-liquid density of the IAPWS-IF97
// steam tables, 926.13 kg/m³ (specific volume 0.0010798 m³/kg), to one decimal
// like its neighbours.
constexpr std::array<long double, WaterTemperatureCount> Density = {
    999.84L, 999.7L, 998.2L, 995.64L, 992.21L, 988.04L, 983.21L, 977.78L, 971.8L, 965.31L, 958.3L,
    951.0L,  943.0L, 935.0L, 926.1L,  917.0L,  908.0L,  898.0L,  887.0L,  876.0L, 865.0L,
};

constexpr std::array<std::string_view, PipeSizeCount> SizeItems = {
    "10"sv,  "15"sv,  "20"sv,  "25"sv,  "32"sv,  "40"sv,  "50"sv,  "65"sv,
    "80"sv,  "90"sv,  "100"sv, "125"sv, "150"sv, "175"sv, "200"sv, "225"sv,
    "250"sv, "300"sv, "350"sv, "400"sv, "450"sv, "500"sv,
};

constexpr std::array<std::int32_t, PipeSizeCount> NominalSize = {
    10,  15,  20,  25,  32,  40,  50,  65,  80,  90,  100,
    125, 150, 175, 200, 225, 250, 300, 350, 400, 450, 500,
};

// Inner diameter in mm of each nominal size, in the order of NominalSize.
constexpr std::array<long double, PipeSizeCount> InnerDiameter = {
    12.7L,  16.1L,  21.6L,  27.6L,  35.7L,  41.6L,  52.9L,  67.9L,  80.7L,  93.2L,  105.3L,
    130.8L, 155.2L, 180.1L, 204.7L, 229.4L, 254.2L, 304.7L, 339.8L, 390.6L, 441.4L, 492.2L,
};

template <typename T, std::size_t N> T checkedAt(const std::array<T, N> &table, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= N)
        throw numeric::RangeError();
    return table[static_cast<std::size_t>(index)];
}

} // namespace

std::span<const std::string_view> PipeMaterialItems()
{
    return MaterialItems;
}

std::span<const std::string_view> WaterTemperatureItems()
{
    return TemperatureItems;
}

std::span<const std::string_view> PipeSizeItems()
{
    return SizeItems;
}

long double PipeMaterialRoughness(int index)
{
    return checkedAt(MaterialRoughness, index);
}

long double WaterDensity(int index)
{
    return checkedAt(Density, index);
}

std::int32_t PipeNominalSize(int index)
{
    return checkedAt(NominalSize, index);
}

long double PipeInnerDiameter(int index)
{
    return checkedAt(InnerDiameter, index);
}

} // namespace pipes
