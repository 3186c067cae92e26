#include "fittings/TwoK.h"

#include "fittings/Quantities.h"
#include "fittings/RowNames.h"
#include "fittings/ValidRange.h"

#include <array>

namespace fittings {

namespace {

constexpr ValidRange Positive{0, Unbounded, true};

// Row 13: the fluids library (v1.3.1) has no 180° screwed row and lists a
// "45° standard, screwed" (1000, 0.7) instead; an independent public
// transcription (M. Cheung's 03dTwoK.c, 2020) gives 180° standard screwed
// = (1000, 0.60), in line with the other 180° rows, which is taken here.
// To be checked against Hooper's 1981 table.
constexpr std::string_view Row13Caution =
    "この行の定数は公開されている転記の間で食い違いがあります（原典で確認を要します）。";

// Hooper (1981), Table 1, rows 1 to 32.
constexpr std::array<TwoKRow, 32> Rows{{
    {"90°エルボ 標準（R/D=1）ねじ込み", 800, 0.4L, {}},                 // 1
    {"90°エルボ 標準（R/D=1）フランジ・溶接", 800, 0.25L, {}},          // 2
    {"90°エルボ ロング（R/D=1.5）全形式", 800, 0.2L, {}},               // 3
    {"90°マイターエルボ（R/D=1.5）溶接1箇所（90°）", 1000, 1.15L, {}},  // 4
    {"90°マイターエルボ（R/D=1.5）溶接2箇所（45°）", 800, 0.35L, {}},   // 5
    {"90°マイターエルボ（R/D=1.5）溶接3箇所（30°）", 800, 0.3L, {}},    // 6
    {"90°マイターエルボ（R/D=1.5）溶接4箇所（22.5°）", 800, 0.27L, {}}, // 7
    {"90°マイターエルボ（R/D=1.5）溶接5箇所（18°）", 800, 0.25L, {}},   // 8
    {"45°エルボ 標準（R/D=1）全形式", 500, 0.2L, {}},                   // 9
    {"45°エルボ ロング（R/D=1.5）全形式", 500, 0.15L, {}},              // 10
    {"45°マイターエルボ 溶接1箇所（45°）", 500, 0.25L, {}},             // 11
    {"45°マイターエルボ 溶接2箇所（22.5°）", 500, 0.15L, {}},           // 12
    {"180°ベンド 標準（R/D=1）ねじ込み", 1000, 0.6L, Row13Caution},     // 13
    {"180°ベンド 標準（R/D=1）フランジ・溶接", 1000, 0.35L, {}},        // 14
    {"180°ベンド ロング（R/D=1.5）全形式", 1000, 0.3L, {}},             // 15
    {"チーズ（エルボとして使用）標準 ねじ込み", 500, 0.7L, {}},         // 16
    {"チーズ（エルボとして使用）ロング ねじ込み", 800, 0.4L, {}},       // 17
    {"チーズ（エルボとして使用）標準 フランジ・溶接", 800, 0.8L, {}},   // 18
    {"チーズ（エルボとして使用）差込み分岐", 1000, 1, {}},              // 19
    {"チーズ 直流 ねじ込み", 200, 0.1L, {}},                            // 20
    {"チーズ 直流 フランジ・溶接", 150, 0.05L, {}},                     // 21
    {rowname::TeeRunStubIn, 100, 0, {}},                                // 22
    {"仕切弁・ボール弁・プラグ弁 全口径（β=1）", 300, 0.1L, {}},        // 23
    {"仕切弁・ボール弁・プラグ弁 縮小口径（β=0.9）", 500, 0.15L, {}},   // 24
    {"仕切弁・ボール弁・プラグ弁 縮小口径（β=0.8）", 1000, 0.25L, {}},  // 25
    {"玉形弁 標準", 1500, 4, {}},                                       // 26
    {"玉形弁 アングル形・Y形", 1000, 2, {}},                            // 27
    {rowname::DiaphragmDam, 1000, 2, {}},                               // 28
    {"バタフライ弁", 800, 0.25L, {}},                                   // 29
    {rowname::LiftCheck, 2000, 10, {}},                                 // 30
    {rowname::SwingCheck, 1500, 1.5L, {}},                              // 31
    {"チルティングディスク逆止弁", 1000, 0.5L, {}},                     // 32
}};

} // namespace

Coefficient TwoK(const TwoKRow &row, long double reynolds, long double innerInches)
{
    Require(quantity::Reynolds, reynolds, Positive);
    Require(quantity::InnerInches, innerInches, Positive);
    Coefficient c;
    if (!row.caution.empty())
        c.warnings.emplace_back(row.caution);
    c.value = Finite(row.k1 / reynolds + row.kInfinity * (1 + 1 / innerInches));
    return c;
}

std::span<const TwoKRow> TwoKRows()
{
    return Rows;
}

} // namespace fittings
