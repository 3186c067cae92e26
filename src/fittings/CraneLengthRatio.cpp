#include "fittings/CraneLengthRatio.h"

#include "fittings/Quantities.h"
#include "fittings/RowNames.h"

#include <array>
#include <cmath>

namespace fittings {

namespace {

constexpr ValidRange Positive{0, Unbounded, true};
constexpr ValidRange AnySize{};

// Crane TP-410 (1988, 2009), as the fittings reference cites them.
constexpr std::array<LengthRatioRow, 16> Rows{{
    {"90°エルボ 標準", 30, AnySize},
    {"45°エルボ 標準", 16, AnySize},
    {"180°リターンベンド クローズ", 50, AnySize},
    {"チーズ 直流", 20, AnySize},
    {"チーズ 分岐流", 60, AnySize},
    {"仕切弁 全開", 8, AnySize},
    {"玉形弁 全開", 340, AnySize},
    {"アングル弁 全開", 150, AnySize},
    {"ボール弁 フルボア", 3, AnySize},
    {rowname::SwingCheck, 100, AnySize},
    {"バタフライ弁 2～8B", 45, {2, 8}},
    {"バタフライ弁 10～14B", 35, {10, 14}},
    {"バタフライ弁 16～24B", 25, {16, 24}},
    {"プラグ弁 直通形", 18, AnySize},
    {"フート弁（ストレーナ付き）ポペット形", 420, AnySize},
    {"フート弁（ストレーナ付き）スイング形", 75, AnySize},
}};

} // namespace

long double FullyTurbulentFactor(long double diameter, long double roughness)
{
    Require(quantity::Diameter, diameter, Positive);
    const long double l = std::log10(roughness / (3.7L * diameter));
    return Finite(0.25L / (l * l));
}

std::span<const LengthRatioRow> LengthRatioRows()
{
    return Rows;
}

Coefficient CraneLengthRatio(const LengthRatioRow &row, long double innerDiameter,
                             std::optional<long double> nominalInches)
{
    Coefficient c;
    if (nominalInches)
        CheckRange(c.warnings, quantity::NominalInches, *nominalInches, row.sizes);
    c.value =
        Finite(FullyTurbulentFactor(innerDiameter, CommercialSteelRoughness) * row.lengthRatio);
    return c;
}

} // namespace fittings
