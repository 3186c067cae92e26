#include "flow/DuctMaterials.h"
#include "numeric/Failure.h"
#include "numeric/NumberText.h"
#include "numeric/Units.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Expected: the material list of the duct page, with the number of blanks
// that follows each name and the roughness text that selecting it shows.
TEST(DuctMaterials, ItemsAndRoughness)
{
    const struct
    {
        std::string name;
        int blanks;
        const char *roughness;
    } table[] = {
        {"新しい炭素鋼鋼管", 29, "0.030"},
        {"ＰＶＣプラスチック管", 24, "0.043"},
        {"アルミニウム", 33, "0.061"},
        {"亜鉛鉄板（連続巻き継目なしで新しい）", 7, "0.091"},
        {"亜鉛鉄板（連続巻き継目なし）", 15, "0.122"},
        {"亜鉛鉄板（板状で縦方向に継目）", 17, "0.180"},
        {"ガラスファイバダクト（硬いもの）", 11, "0.900"},
        {"ガラスファイバダクト（空気側金属被覆）", 4, "0.152"},
        {"ガラスファイバダクト(空気側吹付けコーティング)", 1, "4.572"},
        {"フレキシブルダクト（金属）の十分伸張したもの", 3, "2.134"},
        {"フレキシブルダクト(ワイヤと繊維)の伸張したもの", 1, "4.572"},
        {"コンクリート", 0, "3.048"},
    };
    const auto items = flow::DuctMaterialItems();
    ASSERT_EQ(items.size(), std::size(table));
    for (int i = 0; i < flow::DuctMaterialCount; ++i) {
        const auto &row = table[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(items[static_cast<std::size_t>(i)],
                  row.name + std::string(static_cast<std::size_t>(row.blanks), ' '));
        EXPECT_EQ(numeric::FormatFixed(flow::DuctMaterialRoughness(i), numeric::ResultDecimals),
                  row.roughness);
    }
    // The shown 0.122 comes from 0.1223 in the table.
    EXPECT_EQ(flow::DuctMaterialRoughness(4), 0.1223L);
}

TEST(DuctMaterials, IndexOutsideTheListIsARangeError)
{
    for (int index : {-1, flow::DuctMaterialCount, 1000}) {
        SCOPED_TRACE(index);
        try {
            flow::DuctMaterialRoughness(index);
            ADD_FAILURE() << "no failure";
        } catch (const numeric::RangeError &e) {
            EXPECT_STREQ(e.what(), "範囲ﾁｪｯｸｴﾗｰ");
        }
    }
}

} // namespace
