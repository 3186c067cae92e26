#include "SystemBuilder.h"
#include "losssheet/Calculator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace losssheet_test;

Section plain(std::string name, std::string upstream, std::optional<long double> flow = 1000)
{
    return section(std::move(name), std::move(upstream), flow, "φ250", 5);
}

// Rows with a broken link say why; their own values are still computed; the
// rows below them say which section cut them off; the rest of the system is
// computed as if they were not there.
TEST(BadInput, LoopsAndUnknownNamesCutOffTheirRows)
{
    const System s = ductSystem({
        plain("1", "", std::nullopt),
        plain("2", "1"),
        plain("x", "y"),
        plain("y", "x"),
        plain("z", "x"),
        plain("lost", "nowhere"),
    });
    const SystemResult r = Compute(s, UnitSystem::SI);
    EXPECT_TRUE(r.sections[0].problem.empty());
    EXPECT_EQ(*r.sections[0].flow, 1000); // only "2" is its downstream section
    EXPECT_EQ(r.sections[2].problem, "上流をたどるとこの区間に戻ります（循環しています）。");
    EXPECT_TRUE(r.sections[2].velocity);
    EXPECT_TRUE(r.sections[2].sectionLoss);
    EXPECT_FALSE(r.sections[2].cumulative);
    EXPECT_EQ(r.sections[4].problem, "上流の区間「x」が求まらないため、累計を計算できません。");
    EXPECT_TRUE(r.sections[4].sectionLoss);
    EXPECT_EQ(r.sections[5].problem, "上流の区間「nowhere」がありません。");
    EXPECT_EQ(r.summary.criticalPath, (std::vector<int>{0, 1}));
    EXPECT_EQ(r.summary.sectionsWithProblems, 4);
    ASSERT_EQ(r.summary.terminals.size(), 1u);
}

TEST(BadInput, FlowsThatCannotBeDerived)
{
    const System s = ductSystem({
        plain("1", "", std::nullopt),
        plain("2", "1", std::nullopt), // a terminal without a flow
        plain("3", "1", 0),
        plain("4", "1", -5),
        plain("5", "1", std::numeric_limits<long double>::infinity()),
        plain("6", "1", 500),
    });
    const SystemResult r = Compute(s, UnitSystem::SI);
    EXPECT_EQ(r.sections[1].problem,
              "風量がありません（入力するか、下流の区間を設けてください）。");
    EXPECT_EQ(r.sections[2].problem, "風量は正の数にしてください。");
    EXPECT_EQ(r.sections[3].problem, r.sections[2].problem);
    EXPECT_EQ(r.sections[4].problem, r.sections[2].problem);
    EXPECT_EQ(r.sections[0].problem,
              "下流の区間の風量が求まらないため、この区間の風量が決まりません。");
    EXPECT_TRUE(r.sections[5].velocity); // its own values are still there
    EXPECT_EQ(r.sections[5].problem, "上流の区間「1」が求まらないため、累計を計算できません。");
    EXPECT_EQ(r.summary.problems,
              (std::vector<std::string>{"累計まで計算できた末端の区間がありません。"}));
    EXPECT_FALSE(r.summary.required);

    const System pipe = pipeSystem({section("1", "", std::nullopt, "50", 1)});
    EXPECT_EQ(Compute(pipe, UnitSystem::SI).sections[0].problem,
              "流量がありません（入力するか、下流の区間を設けてください）。");
}

TEST(BadInput, SizesThatAreNoSizes)
{
    const System ducts = ductSystem({
        section("1", "", std::nullopt, "φ400", 1),
        section("2", "1", 1000, "500×", 1),
        section("3", "1", 1000, "abc", 1),
        section("4", "1", 1000, "0", 1),
        section("5", "1", 1000, "400×200", 1),
    });
    const SystemResult r = Compute(ducts, UnitSystem::SI);
    EXPECT_EQ(r.sections[1].problem, "寸法「500×」を読めません（例：500×300、φ300）。");
    EXPECT_EQ(r.sections[2].problem, "寸法「abc」を読めません（例：500×300、φ300）。");
    EXPECT_FALSE(r.sections[3].problem.empty());
    EXPECT_TRUE(r.sections[4].problem.empty());
    EXPECT_TRUE(r.sections[4].cumulative);
    // The upstream section's flow is still their sum: the sizes do not change it.
    EXPECT_EQ(*r.sections[0].flow, 4000);

    System pipes = pipeSystem({section("1", "", 100, "55", 1), section("2", "1", 100, "", 1)});
    const SystemResult p = Compute(pipes, UnitSystem::SI);
    EXPECT_EQ(p.sections[0].problem, "呼び径「55」は配管サイズの表にありません。");
    // A blank size needs a target, which a new pipe system does not have yet.
    EXPECT_EQ(p.sections[1].problem, "寸法を決める目標値（圧損または速度）がありません。");
    // A target nothing in the table meets.
    pipes.sections[0].size = "50";
    pipes.pipe.sizing = {SizingBasis::Loss, 0.001L};
    EXPECT_EQ(Compute(pipes, UnitSystem::SI).sections[1].problem,
              "目標を満たす呼び径が配管サイズの表にありません。");
}

TEST(BadInput, SizingConditionsAndArithmeticFaults)
{
    System s = ductSystem({section("1", "", 1000, "", 1)});
    s.duct.shape = DuctShape::FixedSide;
    s.duct.fixedSide = 0;
    EXPECT_EQ(Compute(s, UnitSystem::SI).sections[0].problem,
              "固定する一辺の寸法を正の数にしてください。");
    s.duct.shape = DuctShape::AspectRatio;
    s.duct.aspectRatio = 0.5L;
    EXPECT_EQ(Compute(s, UnitSystem::SI).sections[0].problem,
              "縦横比（長辺÷短辺）は 1 以上にしてください。");
    // A flow beyond what the arithmetic can carry: the fault's text, no inf.
    System huge = ductSystem({section("1", "", 1e4000L, "φ300", 1)});
    EXPECT_EQ(Compute(huge, UnitSystem::SI).sections[0].problem,
              "計算できません（浮動小数点数のｵｰﾊﾞｰﾌﾛｰ）。");
    System negative = ductSystem({section("1", "", 1000, "φ300", -1)});
    EXPECT_EQ(Compute(negative, UnitSystem::SI).sections[0].problem,
              "直管長は 0 以上にしてください。");
    negative.sections[0].length = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_EQ(Compute(negative, UnitSystem::SI).sections[0].problem,
              "直管長は 0 以上にしてください。");
    // Lengths and counts whose losses pass the extended range.
    System far =
        ductSystem({section("1", "", 3000, "φ300", 1e4932L), section("2", "", 1000, "φ300", 1),
                    section("3", "", 1000, "φ300", 1, {elbow(1e4932L)})});
    far.severalRootsAllowed = true;
    const SystemResult overflowing = Compute(far, UnitSystem::SI);
    EXPECT_EQ(overflowing.sections[0].problem, "計算できません（浮動小数点数のｵｰﾊﾞｰﾌﾛｰ）。");
    EXPECT_EQ(overflowing.sections[2].problem, overflowing.sections[0].problem);
    EXPECT_TRUE(overflowing.sections[1].cumulative);
    EXPECT_EQ(overflowing.summary.criticalPath, std::vector<int>{1});
    // The duct page's size limit: the last size tried, with a warning.
    System tight = ductSystem({section("1", "", 1e7L, "", 1)});
    tight.duct.shape = DuctShape::Round;
    const SectionResult limit = Compute(tight, UnitSystem::SI).sections[0];
    EXPECT_TRUE(limit.problem.empty());
    EXPECT_EQ(limit.warnings.size(), 1u);
}

// A ζ outside its formula's range is warned and used as computed.
TEST(BadInput, OutOfRangeCoefficientsAreWarnedNotClamped)
{
    const System s = ductSystem(
        {section("1", "", 1000, "φ250", 1, {fitting("duct.elbow.round.smooth", {0.3L, 90})})});
    const SectionResult r = Compute(s, UnitSystem::SI).sections[0];
    ASSERT_TRUE(r.problem.empty());
    EXPECT_NEAR(static_cast<double>(*r.sumZeta), 0.21 * std::pow(0.3, -2.5), 1e-12);
    ASSERT_FALSE(r.warnings.empty());
    EXPECT_EQ(r.warnings[0],
              "継手1「円形エルボ」：R/D = 0.3 は式の適用範囲（0.5 ≤ R/D ≤ 3）の外です。");
}

TEST(BadInput, FittingsThatCannotBeEvaluated)
{
    struct Case
    {
        const char *name;
        Fitting fitting;
        const char *problem;
    };
    const Case cases[] = {
        {"unknown kind", fitting("no.such"),
         "継手1「no.such」：継手の種類「no.such」がありません。"},
        {"pipe table in a duct", fitting("pipe.darby3k", {0}),
         "継手1「継手・弁（3K法）」：この系統では使えない種類です。"},
        {"unknown method", fitting("duct.elbow.round.smooth", {}, 1, "guess"),
         "継手1「円形エルボ」：計算方法「guess」がありません。"},
        {"damper without ζ", fitting("duct.damper.open"),
         "継手1「ダンパ（全開）」：「ζ」を入力してください。"},
        {"negative count", elbow(-1), "継手1「円形エルボ」：個数は 0 以上にしてください。"},
        {"tee at the start", fitting("tee.diverging.branch"),
         "継手1「分岐 "
         "分岐側」：上流の区間（主管）がないため、分岐・合流の係数をこの区間の速度に換算できません"
         "。"},
        {"impossible input", fitting("duct.elbow.round.smooth", {0, 90}),
         "継手1「円形エルボ」：R/D > 0 でなければ計算できません。"},
        {"transition without ratio", fitting("duct.diffuser.conical", {std::nullopt, 30}),
         "継手1「漸拡大」：「面積比」を入力してください。"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const System s = ductSystem({section("1", "", 1000, "φ250", 1, {c.fitting})});
        const SectionResult r = Compute(s, UnitSystem::SI).sections[0];
        EXPECT_EQ(r.problem, c.problem);
        EXPECT_TRUE(r.velocity);
        EXPECT_FALSE(r.fittingLoss);
        EXPECT_FALSE(r.cumulative);
    }
}

// A straight passage needs the other branch's area: with two other branches
// it cannot tell which.
TEST(BadInput, StraightPassageWithSeveralOtherBranches)
{
    const System s = ductSystem({
        section("1", "", std::nullopt, "φ400", 1),
        section("2", "1", 1000, "φ300", 1, {fitting("tee.diverging.straight")}),
        section("3", "1", 500, "φ200", 1),
        section("4", "1", 500, "φ200", 1),
    });
    EXPECT_EQ(
        Compute(s, UnitSystem::SI).sections[1].problem,
        "継手1「分岐 直通側」：分岐管が一つに決まらないため、分岐管面積比を入力してください。");
    System typed = s;
    typed.sections[1].fittings[0].values = {90, 0.25L};
    EXPECT_TRUE(Compute(typed, UnitSystem::SI).sections[1].problem.empty());
}

// A thousand sections, in a chain and fanned out from one main, are computed
// completely (their time is the benchmark's business).
TEST(BadInput, AThousandSections)
{
    System chain = ductSystem({});
    System fan = ductSystem({section("main", "", std::nullopt, "", 10)});
    for (int i = 0; i < 1000; ++i) {
        chain.sections.push_back(section(std::to_string(i), i ? std::to_string(i - 1) : "",
                                         i == 999 ? 1000 : std::optional<long double>{}, "φ300", 1,
                                         {elbow()}));
        fan.sections.push_back(section(std::to_string(i), "main", 100 + i, "", 2,
                                       {fitting("tee.diverging.branch"), elbow()}));
    }
    const SystemResult c = Compute(chain, UnitSystem::SI);
    EXPECT_EQ(c.summary.sectionsWithProblems, 0);
    EXPECT_EQ(c.summary.criticalPath.size(), 1000u);
    EXPECT_NEAR(*c.summary.systemLoss, *c.sections[0].sectionLoss * 1000, 1e-6);
    const SystemResult f = Compute(fan, UnitSystem::SI);
    EXPECT_EQ(f.summary.sectionsWithProblems, 0);
    EXPECT_EQ(f.summary.terminals.size(), 1000u);
    EXPECT_EQ(*f.sections[0].flow, 1000 * 100 + 999 * 1000 / 2);
}

} // namespace
