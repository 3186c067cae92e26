#include "pipe/PipeTables.h"
#include "numeric/Failure.h"
#include "numeric/NumberText.h"
#include "numeric/Units.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

std::string fixedText(long double v)
{
    return numeric::FormatFixed(v, numeric::ResultDecimals);
}

// Expected: the pipe page's material list and the roughness text selecting
// each writes into Z_Edit.
TEST(PipeTables, MaterialsAndRoughness)
{
    const struct
    {
        const char *item;
        const char *roughness;
    } table[] = {
        {"引抜き鋼管、塩ビ管", "0.002"}, {"新しい亜鉛ﾒｯｷ鋼管", "0.150"}, {"錆びた鋼管", "0.300"},
        {"滑らかなｺﾝｸﾘｰﾄ管", "0.500"},   {"粗いｺﾝｸﾘｰﾄ管", "2.000"},
    };
    const auto items = pipes::PipeMaterialItems();
    ASSERT_EQ(items.size(), std::size(table));
    for (int i = 0; i < pipes::PipeMaterialCount; ++i) {
        SCOPED_TRACE(table[i].item);
        EXPECT_EQ(items[static_cast<std::size_t>(i)], table[i].item);
        EXPECT_EQ(fixedText(pipes::PipeMaterialRoughness(i)), table[i].roughness);
    }
}

// Expected: the temperature list (10·i ℃) and the density text at the ends
// and at 20 ℃, the default temperature.
TEST(PipeTables, WaterTemperaturesAndDensities)
{
    const auto items = pipes::WaterTemperatureItems();
    ASSERT_EQ(items.size(), 21u);
    for (int i = 0; i < pipes::WaterTemperatureCount; ++i)
        EXPECT_EQ(items[static_cast<std::size_t>(i)], std::to_string(10 * i));
    EXPECT_EQ(fixedText(pipes::WaterDensity(0)), "999.840");
    EXPECT_EQ(fixedText(pipes::WaterDensity(2)), "998.200");
    EXPECT_EQ(fixedText(pipes::WaterDensity(20)), "865.000");
    // 140 ℃: IAPWS-IF97 saturated liquid, 926.13 kg/m³.
    EXPECT_EQ(fixedText(pipes::WaterDensity(14)), "926.100");
    // Water gets lighter as it warms from 10 ℃ on.
    for (int i = 2; i < pipes::WaterTemperatureCount; ++i)
        EXPECT_LT(pipes::WaterDensity(i), pipes::WaterDensity(i - 1)) << 10 * i << " ℃";
}

TEST(PipeTables, NominalSizesAreTheListItems)
{
    const auto items = pipes::PipeSizeItems();
    ASSERT_EQ(items.size(), 22u);
    for (int i = 0; i < pipes::PipeSizeCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(items[static_cast<std::size_t>(i)], std::to_string(pipes::PipeNominalSize(i)));
        if (i > 0) {
            EXPECT_GT(pipes::PipeInnerDiameter(i), pipes::PipeInnerDiameter(i - 1));
        }
    }
    EXPECT_EQ(pipes::PipeNominalSize(5), 40);
    EXPECT_EQ(pipes::PipeInnerDiameter(5), 41.6L);
    EXPECT_EQ(pipes::PipeInnerDiameter(21), 492.2L);
}

TEST(PipeTables, IndexOutsideATableIsARangeError)
{
    const struct
    {
        const char *table;
        std::function<void(int)> lookUp;
        int count;
    } tables[] = {
        {"roughness", [](int i) { pipes::PipeMaterialRoughness(i); }, pipes::PipeMaterialCount},
        {"density", [](int i) { pipes::WaterDensity(i); }, pipes::WaterTemperatureCount},
        {"nominal size", [](int i) { pipes::PipeNominalSize(i); }, pipes::PipeSizeCount},
        {"inner diameter", [](int i) { pipes::PipeInnerDiameter(i); }, pipes::PipeSizeCount},
    };
    for (const auto &t : tables) {
        for (int index : {-1, t.count, -2147483647 - 1}) {
            SCOPED_TRACE(testing::Message() << t.table << " [" << index << "]");
            try {
                t.lookUp(index);
                ADD_FAILURE() << "no failure";
            } catch (const numeric::RangeError &e) {
                EXPECT_STREQ(e.what(), "範囲ﾁｪｯｸｴﾗｰ");
            }
        }
    }
}

} // namespace
