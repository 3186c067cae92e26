#include "losssheet/Tree.h"
#include "SystemBuilder.h"
#include "losssheet/SectionNames.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace losssheet_test;

Section named(std::string name, std::string upstream)
{
    return section(std::move(name), std::move(upstream), 100, "φ200", 1);
}

// Every section comes after its upstream one.
void expectOrdered(const Tree &tree)
{
    std::vector<int> place(tree.parent.size(), -1);
    for (std::size_t k = 0; k < tree.order.size(); ++k)
        place[static_cast<std::size_t>(tree.order[k])] = static_cast<int>(k);
    ASSERT_EQ(tree.order.size(), tree.parent.size());
    for (std::size_t i = 0; i < tree.parent.size(); ++i) {
        ASSERT_GE(place[i], 0);
        if (tree.parent[i] >= 0) {
            EXPECT_LT(place[static_cast<std::size_t>(tree.parent[i])], place[i]);
        }
    }
}

TEST(Tree, LinksByNameInAnyRowOrder)
{
    const System s = ductSystem(
        {named("c", "b"), named("a", ""), named("b", "a"), named("d", "ａ"), named(" e ", "b ")});
    const Tree t = BuildTree(s);
    EXPECT_EQ(t.parent, (std::vector<int>{2, -1, 1, 1, 2}));
    EXPECT_EQ(t.children[1], (std::vector<int>{2, 3}));
    EXPECT_EQ(t.children[2], (std::vector<int>{0, 4}));
    EXPECT_TRUE(std::all_of(t.connected.begin(), t.connected.end(), [](bool c) { return c; }));
    EXPECT_TRUE(std::all_of(t.problem.begin(), t.problem.end(),
                            [](const std::string &p) { return p.empty(); }));
    expectOrdered(t);
}

TEST(Tree, BrokenLinksAreNamedAndCutOff)
{
    const System s = ductSystem({
        named("root", ""), named("x", "y"),   // a loop of two
        named("y", "x"), named("below", "x"), // hangs from the loop
        named("self", "self"), named("lost", "nowhere"), named("under lost", "lost"),
        named("second", ""), named("root", "root"), // a duplicate name
    });
    const Tree t = BuildTree(s);
    EXPECT_EQ(t.problem[1], "上流をたどるとこの区間に戻ります（循環しています）。");
    EXPECT_EQ(t.problem[2], t.problem[1]);
    EXPECT_EQ(t.problem[4], t.problem[1]);
    EXPECT_TRUE(t.problem[3].empty());
    EXPECT_EQ(t.parent[3], 1);
    EXPECT_EQ(t.problem[5], "上流の区間「nowhere」がありません。");
    EXPECT_TRUE(t.problem[6].empty());
    EXPECT_EQ(t.problem[7], "送風機から始まる区間は一つだけです（上流を入力してください）。");
    EXPECT_EQ(t.warnings[8],
              "区間名「root」が重複しています（上流としては最初の区間を指します）。");
    EXPECT_EQ(t.parent[8], 0);
    const std::vector<bool> connected{true, false, false, false, false, false, false, false, true};
    EXPECT_EQ(t.connected, connected);
    expectOrdered(t);
}

TEST(Tree, SeveralStartsWhereAllowed)
{
    System s = ductSystem({named("a", ""), named("b", ""), named("c", "b")});
    s.severalRootsAllowed = true;
    const Tree t = BuildTree(s);
    EXPECT_TRUE(t.problem[1].empty());
    EXPECT_EQ(t.connected, (std::vector<bool>{true, true, true}));
    s.kind = SystemKind::Pipe;
    s.severalRootsAllowed = false;
    EXPECT_EQ(BuildTree(s).problem[1],
              "ポンプから始まる区間は一つだけです（上流を入力してください）。");
}

// A thousand sections in a chain, in a loop, and in reverse row order:
// linear walks, no recursion.
TEST(Tree, AThousandSections)
{
    System chain = ductSystem({});
    System loop = ductSystem({});
    for (int i = 0; i < 1000; ++i) {
        chain.sections.push_back(named(std::to_string(i), i ? std::to_string(i - 1) : ""));
        loop.sections.push_back(named(std::to_string(i), std::to_string((i + 1) % 1000)));
    }
    const Tree t = BuildTree(chain);
    EXPECT_EQ(t.connected.back(), true);
    expectOrdered(t);
    std::reverse(chain.sections.begin(), chain.sections.end());
    expectOrdered(BuildTree(chain));
    const Tree l = BuildTree(loop);
    EXPECT_TRUE(std::all_of(l.problem.begin(), l.problem.end(),
                            [](const std::string &p) { return !p.empty(); }));
    expectOrdered(l);
}

TEST(SectionNames, NextNameAndKeys)
{
    System s = ductSystem({});
    EXPECT_EQ(NextSectionName(s), "1");
    s.sections = {named("1", ""), named("A", "1"), named("７", "1"), named("3", "A")};
    EXPECT_EQ(NextSectionName(s), "8");
    EXPECT_EQ(NameKey("　Ａ１ "), "A1");
    EXPECT_EQ(NameKey("主管"), "主管");
}

} // namespace
