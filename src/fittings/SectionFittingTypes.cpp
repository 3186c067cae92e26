#include "fittings/CatalogueParts.h"
#include "fittings/Elbows.h"
#include "fittings/Entrances.h"
#include "fittings/Quantities.h"
#include "fittings/SizeChanges.h"
#include "fittings/Tees.h"
#include "fittings/Transitions.h"

namespace fittings::parts {

namespace {

using V = std::span<const long double>;
using S = const Situation &;

constexpr std::string_view IdelchikBook = "Idelchik, Handbook of Hydraulic Resistance, 3rd ed.";
constexpr std::string_view Rennels = "Rennels & Hudson, Pipe Flow (2012)";
constexpr std::string_view Crane = "Crane TP-410";
constexpr std::string_view Hooper1988 = "Hooper, Chem. Eng. 95(16):89 (1988)";

Parameter number(std::string_view id, std::string_view name, Quantity q,
                 std::optional<long double> value, ValidRange range, bool fromTree = false)
{
    return {id, name, q, value, range, fromTree, {}};
}

Parameter radiusRatio(std::string_view id, std::string_view name, ValidRange range)
{
    return number(id, name, Quantity::Ratio, 1, range);
}

Parameter angle(ValidRange range, std::optional<long double> value)
{
    return number("angle", quantity::Angle, Quantity::Angle, value, range);
}

Parameter areaRatio()
{
    return number("areaRatio", quantity::AreaRatio, Quantity::Ratio, std::nullopt, AreaRatioRange,
                  true);
}

std::vector<Parameter> teeParameters()
{
    return {number("branchAngle", quantity::BranchAngle, Quantity::Angle, 90, TeeAngleRange),
            number("branchAreaRatio", quantity::BranchAreaRatio, Quantity::Ratio, std::nullopt,
                   TeeAreaRatioRange, true),
            number("flowRatio", quantity::FlowRatio, Quantity::Ratio, std::nullopt,
                   TeeFlowRatioRange, true)};
}

Tee tee(V v)
{
    return {v[1], v[2], v[0]};
}

// A sudden change of size happens at 180°.
constexpr long double Sudden = 180;

// A method on the duct's own velocity.
Method own(std::string_view id, std::string_view name, std::string_view source,
           std::vector<Parameter> parameters, Evaluator rule)
{
    return {id, name, source, Reference::Own, std::move(parameters), rule};
}

// A kind that stands within its section, the same method first for ducts and pipes.
FittingType local(std::string_view id, std::string_view name, Applies applies,
                  std::vector<Method> methods, std::string_view note = {})
{
    return {id, name, applies, Yields::Coefficient, Junction::None, std::move(methods), 0, 0, note};
}

void addElbows(std::vector<FittingType> &types)
{
    const std::vector<Parameter> idelchik{
        radiusRatio("radiusRatio", quantity::RadiusRatio, SmoothElbowRadiusRange),
        angle(ElbowAngleRange, 90)};
    const std::vector<Parameter> rennels{
        radiusRatio("radiusRatio", quantity::RadiusRatio, RennelsBendRadiusRange),
        angle(ElbowAngleRange, 90)};
    types.push_back(
        local("duct.elbow.round.smooth", "円形エルボ", Applies::Ducts,
              {own("idelchik_6_1", "Idelchik 図6-1",
                   "Idelchik, Handbook of Hydraulic Resistance, 3rd ed., Diagram 6-1", idelchik,
                   [](V v, S s) { return SmoothElbowIdelchik(v[0], v[1], s.own.reynolds); }),
               own("idelchik_6_1_friction", "Idelchik 図6-1（曲がり部の摩擦を含む）",
                   "Idelchik, Handbook of Hydraulic Resistance, 3rd ed., Diagram 6-1, ζ_loc + ζ_fr",
                   idelchik,
                   [](V v, S s) {
                       return SmoothElbowIdelchikWithFriction(v[0], v[1], s.own.reynolds,
                                                              s.own.frictionFactor);
                   }),
               own("rennels", "Rennels（曲がり部の摩擦を含む）", Rennels, rennels,
                   [](V v, S s) { return SmoothElbowRennels(v[0], v[1], s.own.frictionFactor); })},
              "3ピース以上の継ぎ目のある円形エルボにも、その R/D で近似として使えます。"));
    types.push_back(
        local("duct.elbow.round.mitred", "円形マイターエルボ", Applies::Ducts,
              {own("rennels", "Rennels", Rennels, {angle(MitreRennelsAngleRange, 90)},
                   [](V v, S) { return MitredElbowRennels(v[0]); }),
               own("idelchik_6_7", "Idelchik 図6-7",
                   "Idelchik, Handbook of Hydraulic Resistance, 3rd ed., Diagram 6-7 (A as "
                   "transcribed by FluidDissipation)",
                   {angle(ElbowAngleRange, 90)},
                   [](V v, S s) { return MitredElbowIdelchik(v[0], s.own.reynolds); })}));
    types.push_back(local(
        "duct.elbow.rectangular", "矩形エルボ", Applies::Ducts,
        {UserZeta(),
         own("approx_idelchik_6_1", "近似：円形エルボの式（R/W、C₁=1）",
             "Idelchik, Handbook of Hydraulic Resistance, 3rd ed., Diagram 6-1 with D = W and "
             "C₁ = 1 (approximation)",
             {radiusRatio("radiusWidthRatio", quantity::WidthRadiusRatio, SmoothElbowRadiusRange),
              angle(ElbowAngleRange, 90)},
             [](V v, S s) { return SmoothElbowIdelchik(v[0], v[1], s.own.reynolds); })},
        "縦横比による係数には出典がありません。ζを入力してください（近似式は正方形断面でのみ正確"
        "です）。"));
}

void addEndsAndDampers(std::vector<FittingType> &types)
{
    types.push_back(local(
        "duct.exit", "出口（開放端）", Applies::Both,
        {own("borda_carnot", "Borda–Carnot（A₂→∞）",
             "Borda–Carnot; Rennels & Hudson (2012), Ch. 10", {}, [](V, S) { return FreeExit(); })},
        "吹出口を付ける場合は、この係数ではなく吹出口の圧力損失を機器として入力してください。"));
    types.push_back(local("duct.entrance.sharp", "入口（角端）", Applies::Both,
                          {own("idelchik", "Idelchik（ζ=0.5）", IdelchikBook, {},
                               [](V, S) { return SharpEntranceIdelchik(); }),
                           own("rennels", "Rennels（ζ=0.57）", Rennels, {},
                               [](V, S) { return SharpEntranceRennels(); })}));
    const std::vector<Parameter> edge{number("edgeRadiusRatio", quantity::EdgeRadius,
                                             Quantity::Ratio, std::nullopt, EdgeRatioRange)};
    types.push_back(local("duct.entrance.rounded", "入口（ベルマウス）", Applies::Both,
                          {own("rennels", "Rennels", Rennels, edge,
                               [](V v, S) { return RoundedEntranceRennels(v[0]); }),
                           own("swamee", "Swamee & Sharma",
                               "Swamee & Sharma, Design of Water Supply Pipe Networks (2008)", edge,
                               [](V v, S) { return RoundedEntranceSwamee(v[0]); })}));
    types.push_back(local("duct.entrance.reentrant", "入口（突出し）", Applies::Both,
                          {own("rennels", "Rennels", Rennels,
                               {number("wallThicknessRatio", quantity::WallThickness,
                                       Quantity::Ratio, std::nullopt, EdgeRatioRange)},
                               [](V v, S) { return ReentrantEntranceRennels(v[0]); })}));
    types.push_back(local("duct.damper.open", "ダンパ（全開）", Applies::Ducts, {UserZeta()},
                          "ダンパ全開時の係数には出典がありません。製造者の資料のζを入力するか、"
                          "圧力損失を機器として入力してください。"));
}

// Hooper takes the upstream section's Re and λ: the small side of a
// widening, the large side of a narrowing.
Coefficient hooperWidening(long double ratio, long double angle, S s)
{
    return ExpansionHooper(ratio, angle, s.smallSide.reynolds, s.smallSide.frictionFactor);
}

Coefficient hooperNarrowing(long double ratio, long double angle, S s)
{
    return ContractionHooper(ratio, angle, s.largeSide.reynolds, s.largeSide.frictionFactor);
}

// A method of a change of size: its coefficient on the small side's velocity.
Method onSmallSide(std::string_view id, std::string_view name, std::string_view source,
                   std::vector<Parameter> parameters, Evaluator rule)
{
    return {id, name, source, Reference::SmallSide, std::move(parameters), rule};
}

FittingType sizeChange(std::string_view id, std::string_view name, Junction junction,
                       std::vector<Method> methods, int pipeMethod, std::string_view note)
{
    return {id, name,       Applies::Both, Yields::Coefficient, junction, std::move(methods),
            0,  pipeMethod, note};
}

// A gradual change of size: by Rennels, Crane and Hooper.
FittingType conical(std::string_view id, std::string_view name, Junction junction,
                    Evaluator rennels, Evaluator crane, Evaluator hooper, std::string_view note)
{
    const std::vector<Parameter> cone{areaRatio(), angle(TransitionAngleRange, std::nullopt)};
    return sizeChange(id, name, junction,
                      {onSmallSide("rennels", "Rennels", Rennels, cone, rennels),
                       onSmallSide("crane", "Crane", Crane, cone, crane),
                       onSmallSide("hooper", "Hooper (1988)", Hooper1988, cone, hooper)},
                      0, note);
}

void addSizeChanges(std::vector<FittingType> &types)
{
    const std::vector<Parameter> ratio{areaRatio()};
    types.push_back(sizeChange(
        "duct.sudden_expansion", "急拡大", Junction::Widening,
        {onSmallSide("borda_carnot", "Borda–Carnot",
                     "Borda–Carnot; Idelchik Diagram 4-1; Rennels & Hudson (2012)", ratio,
                     [](V v, S s) { return SuddenExpansion(v[0], s.smallSide.reynolds); }),
         onSmallSide("hooper", "Hooper (1988)", Hooper1988, ratio,
                     [](V v, S s) { return hooperWidening(v[0], Sudden, s); })},
        0, {}));
    types.push_back(sizeChange(
        "duct.sudden_contraction", "急縮小", Junction::Narrowing,
        {onSmallSide(
             "idelchik_4_9", "Idelchik 図4-9",
             "Idelchik, Handbook of Hydraulic Resistance, 3rd ed., Diagram 4-9", ratio,
             [](V v, S s) { return SuddenContractionIdelchik(v[0], s.smallSide.reynolds); }),
         onSmallSide("rennels", "Rennels", Rennels, ratio,
                     [](V v, S) { return SuddenContractionRennels(v[0]); }),
         onSmallSide("crane", "Crane", Crane, ratio,
                     [](V v, S) { return SuddenContractionCrane(v[0]); }),
         onSmallSide("hooper", "Hooper (1988)", Hooper1988, ratio,
                     [](V v, S s) { return hooperNarrowing(v[0], Sudden, s); })},
        1, {}));
    // The Rennels transitions take the Darcy factor of the small section
    // (the diffuser's inlet, the reducer's outlet).
    types.push_back(conical(
        "duct.diffuser.conical", "漸拡大", Junction::Widening,
        [](V v, S s) { return DiffuserRennels(v[0], v[1], s.smallSide.frictionFactor); },
        [](V v, S) { return DiffuserCrane(v[0], v[1]); },
        [](V v, S s) { return hooperWidening(v[0], v[1], s); },
        "矩形断面では、面積比と大きい方の拡大角による近似です。"));
    types.push_back(conical(
        "duct.contraction.conical", "漸縮小", Junction::Narrowing,
        [](V v, S s) { return ReducerRennels(v[0], v[1], s.smallSide.frictionFactor); },
        [](V v, S) { return ReducerCrane(v[0], v[1]); },
        [](V v, S s) { return hooperNarrowing(v[0], v[1], s); },
        "矩形断面では、面積比と大きい方の縮小角による近似です。"));
}

FittingType teeType(std::string_view id, std::string_view name, Junction leg,
                    Evaluator idelchikRule, Evaluator craneRule)
{
    return {id,
            name,
            Applies::Both,
            Yields::Coefficient,
            leg,
            {{"idelchik", "Idelchik 第7章",
              "Idelchik, Handbook of Hydraulic Resistance, 3rd ed., Ch. 7, Tables 7-1 to 7-4, "
              "Diagram 7-20",
              Reference::Combined, teeParameters(), idelchikRule},
             {"crane_2009", "Crane (2009)", "Crane TP-410 (2009), tee and wye equations",
              Reference::Combined, teeParameters(), craneRule}},
            0,
            0,
            "主管の断面が分岐の前後で変わらない分岐・合流の式です。"};
}

template <Coefficient (*Rule)(const Tee &)> Coefficient onTee(V v, S)
{
    return Rule(tee(v));
}

void addTees(std::vector<FittingType> &types)
{
    using enum Junction;
    types.push_back(teeType("tee.diverging.branch", "分岐 分岐側", Branch,
                            onTee<DivergingBranchIdelchik>, onTee<DivergingBranchCrane>));
    types.push_back(teeType("tee.diverging.straight", "分岐 直通側", Straight,
                            onTee<DivergingStraightIdelchik>, onTee<DivergingStraightCrane>));
    types.push_back(teeType("tee.converging.branch", "合流 分岐側", Branch,
                            onTee<ConvergingBranchIdelchik>, onTee<ConvergingBranchCrane>));
    types.push_back(teeType("tee.converging.straight", "合流 直通側", Straight,
                            onTee<ConvergingStraightIdelchik>, onTee<ConvergingStraightCrane>));
}

} // namespace

void AddSectionFittings(std::vector<FittingType> &types)
{
    addElbows(types);
    addEndsAndDampers(types);
    addSizeChanges(types);
    addTees(types);
}

} // namespace fittings::parts
