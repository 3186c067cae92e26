#include "fittings/ThreeK.h"

#include "fittings/Quantities.h"
#include "fittings/RowNames.h"

#include <array>
#include <cmath>

namespace fittings {

namespace {

constexpr ValidRange Positive{0, Unbounded, true};

// Darby (2001), Table 7-3, rows 1 to 34.
constexpr std::array<ThreeKRow, 34> Rows{{
    {"90°エルボ ねじ込み 標準（r/D=1）", 800, 0.14L, 4.0L},                // 1
    {"90°エルボ ねじ込み ロング（r/D=1.5）", 800, 0.071L, 4.2L},           // 2
    {"90°エルボ フランジ・溶接・曲げ（r/D=1）", 800, 0.091L, 4.0L},        // 3
    {"90°ベンド（r/D=2）", 800, 0.056L, 3.9L},                             // 4
    {"90°ベンド（r/D=4）", 800, 0.066L, 3.9L},                             // 5
    {"90°ベンド（r/D=6）", 800, 0.075L, 4.2L},                             // 6
    {"90°マイターベンド 溶接1箇所（90°）", 1000, 0.27L, 4.0L},             // 7
    {"90°マイターベンド 溶接2箇所（45°）", 800, 0.068L, 4.1L},             // 8
    {"90°マイターベンド 溶接3箇所（30°）", 800, 0.035L, 4.2L},             // 9
    {"45°エルボ ねじ込み 標準（r/D=1）", 500, 0.071L, 4.2L},               // 10
    {"45°エルボ ロング（r/D=1.5）", 500, 0.052L, 4.0L},                    // 11
    {"45°マイターベンド 溶接1箇所（45°）", 500, 0.086L, 4.0L},             // 12
    {"45°マイターベンド 溶接2箇所（22.5°）", 500, 0.052L, 4.0L},           // 13
    {"180°リターンベンド ねじ込み クローズ（r/D=1）", 1000, 0.23L, 4.0L},  // 14
    {"180°リターンベンド フランジ（r/D=1）", 1000, 0.12L, 4.0L},           // 15
    {"180°リターンベンド 全形式（r/D=1.5）", 1000, 0.1L, 4.0L},            // 16
    {"チーズ 分岐流（エルボとして）ねじ込み（r/D=1）", 500, 0.274L, 4.0L}, // 17
    {"チーズ 分岐流（エルボとして）（r/D=1.5）", 800, 0.14L, 4.0L},        // 18
    {"チーズ 分岐流（エルボとして）フランジ（r/D=1）", 800, 0.28L, 4.0L},  // 19
    {"チーズ 分岐流（エルボとして）差込み分岐", 1000, 0.34L, 4.0L},        // 20
    {"チーズ 直流 ねじ込み（r/D=1）", 200, 0.091L, 4.0L},                  // 21
    {"チーズ 直流 フランジ（r/D=1）", 150, 0.05L, 4.0L},                   // 22
    {rowname::TeeRunStubIn, 100, 0, 0.0L},                                 // 23
    {"アングル弁 45°（全口径 β=1）", 950, 0.25L, 4.0L},                    // 24
    {"アングル弁 90°（全口径 β=1）", 1000, 0.69L, 4.0L},                   // 25
    {"玉形弁 標準（β=1）", 1500, 1.7L, 3.6L},                              // 26
    {"プラグ弁 分岐流", 500, 0.41L, 4.0L},                                 // 27
    {"プラグ弁 直流", 300, 0.084L, 3.9L},                                  // 28
    {"プラグ弁 三方（直通）", 300, 0.14L, 4.0L},                           // 29
    {"仕切弁 標準（β=1）", 300, 0.037L, 3.9L},                             // 30
    {"ボール弁 標準（β=1）", 300, 0.017L, 3.5L},                           // 31
    {rowname::DiaphragmDam, 1000, 0.69L, 4.9L},                            // 32
    // Fully open above V_min = 35/√ρ ft/s (ρ in lbm/ft³); slower, K is higher.
    {rowname::SwingCheck, 1500, 0.46L, 4.0L}, // 33
    // Fully open above V_min = 40/√ρ ft/s.
    {rowname::LiftCheck, 2000, 2.85L, 3.8L}, // 34
}};

} // namespace

std::span<const ThreeKRow> ThreeKRows()
{
    return Rows;
}

Coefficient ThreeK(const ThreeKRow &row, long double reynolds, long double nominalInches)
{
    Require(quantity::Reynolds, reynolds, Positive);
    Require(quantity::NominalInches, nominalInches, Positive);
    Coefficient c;
    CheckRange(c.warnings, quantity::NominalInches, nominalInches, ThreeKSizeRange);
    c.value = Finite(row.k1 / reynolds + row.ki * (1 + row.kd / std::pow(nominalInches, 0.3L)));
    return c;
}

} // namespace fittings
