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

Parameter number(std::string_view name, Quantity q, std::optional<long double> value,
                 ValidRange range, bool fromTree = false)
{
    return {name, q, value, range, fromTree, {}};
}

Parameter radiusRatio(std::string_view name, ValidRange range)
{
    return number(name, Quantity::Ratio, 1, range);
}

Parameter angle(ValidRange range, std::optional<long double> value)
{
    return number(quantity::Angle, Quantity::Angle, value, range);
}

Parameter areaRatio()
{
    return number(quantity::AreaRatio, Quantity::Ratio, std::nullopt, AreaRatioRange, true);
}

std::vector<Parameter> teeParameters()
{
    return {
        number(quantity::BranchAngle, Quantity::Angle, 90, TeeAngleRange),
        number(quantity::BranchAreaRatio, Quantity::Ratio, std::nullopt, TeeAreaRatioRange, true),
        number(quantity::FlowRatio, Quantity::Ratio, std::nullopt, TeeFlowRatioRange, true)};
}

Tee tee(V v)
{
    return {v[1], v[2], v[0]};
}

// A sudden change of size happens at 180°.
constexpr long double Sudden = 180;

void addElbows(std::vector<FittingType> &types)
{
    const ValidRange elbowAngle = ElbowAngleRange;
    types.push_back(
        {"duct.elbow.round.smooth",
         "円形エルボ",
         Applies::Ducts,
         Yields::Coefficient,
         Junction::None,
         {{"idelchik_6_1",
           "Idelchik 図6-1",
           "Idelchik, Handbook of Hydraulic Resistance, 3rd ed., Diagram 6-1",
           Reference::Own,
           {radiusRatio(quantity::RadiusRatio, SmoothElbowRadiusRange), angle(elbowAngle, 90)},
           [](V v, S s) { return SmoothElbowIdelchik(v[0], v[1], s.own.reynolds); }},
          {"idelchik_6_1_friction",
           "Idelchik 図6-1（曲がり部の摩擦を含む）",
           "Idelchik, Handbook of Hydraulic Resistance, 3rd ed., Diagram 6-1, ζ_loc + ζ_fr",
           Reference::Own,
           {radiusRatio(quantity::RadiusRatio, SmoothElbowRadiusRange), angle(elbowAngle, 90)},
           [](V v, S s) {
               return SmoothElbowIdelchikWithFriction(v[0], v[1], s.own.reynolds,
                                                      s.own.frictionFactor);
           }},
          {"rennels",
           "Rennels（曲がり部の摩擦を含む）",
           Rennels,
           Reference::Own,
           {radiusRatio(quantity::RadiusRatio, RennelsBendRadiusRange), angle(elbowAngle, 90)},
           [](V v, S s) { return SmoothElbowRennels(v[0], v[1], s.own.frictionFactor); }}},
         0,
         0,
         "3ピース以上の継ぎ目のある円形エルボにも、その R/D で近似として使えます。"});
    types.push_back({"duct.elbow.round.mitred",
                     "円形マイターエルボ",
                     Applies::Ducts,
                     Yields::Coefficient,
                     Junction::None,
                     {{"rennels",
                       "Rennels",
                       Rennels,
                       Reference::Own,
                       {angle(MitreRennelsAngleRange, 90)},
                       [](V v, S) { return MitredElbowRennels(v[0]); }},
                      {"idelchik_6_7",
                       "Idelchik 図6-7",
                       "Idelchik, Handbook of Hydraulic Resistance, 3rd ed., Diagram 6-7 (A as "
                       "transcribed by FluidDissipation)",
                       Reference::Own,
                       {angle(elbowAngle, 90)},
                       [](V v, S s) { return MitredElbowIdelchik(v[0], s.own.reynolds); }}},
                     0,
                     0,
                     {}});
    types.push_back(
        {"duct.elbow.rectangular",
         "矩形エルボ",
         Applies::Ducts,
         Yields::Coefficient,
         Junction::None,
         {UserZeta(),
          {"approx_idelchik_6_1",
           "近似：円形エルボの式（R/W、C₁=1）",
           "Idelchik, Handbook of Hydraulic Resistance, 3rd ed., Diagram 6-1 with D = W and C₁ = 1 "
           "(approximation)",
           Reference::Own,
           {radiusRatio(quantity::WidthRadiusRatio, SmoothElbowRadiusRange), angle(elbowAngle, 90)},
           [](V v, S s) { return SmoothElbowIdelchik(v[0], v[1], s.own.reynolds); }}},
         0,
         0,
         "縦横比による係数には出典がありません。ζを入力してください（近似式は正方形断面でのみ"
         "正確です）。"});
}

void addEndsAndDampers(std::vector<FittingType> &types)
{
    types.push_back(
        {"duct.exit",
         "出口（開放端）",
         Applies::Both,
         Yields::Coefficient,
         Junction::None,
         {{"borda_carnot",
           "Borda–Carnot（A₂→∞）",
           "Borda–Carnot; Rennels & Hudson (2012), Ch. 10",
           Reference::Own,
           {},
           [](V, S) { return FreeExit(); }}},
         0,
         0,
         "吹出口を付ける場合は、この係数ではなく吹出口の圧力損失を機器として入力してください。"});
    types.push_back({"duct.entrance.sharp",
                     "入口（角端）",
                     Applies::Both,
                     Yields::Coefficient,
                     Junction::None,
                     {{"idelchik",
                       "Idelchik（ζ=0.5）",
                       IdelchikBook,
                       Reference::Own,
                       {},
                       [](V, S) { return SharpEntranceIdelchik(); }},
                      {"rennels",
                       "Rennels（ζ=0.57）",
                       Rennels,
                       Reference::Own,
                       {},
                       [](V, S) { return SharpEntranceRennels(); }}},
                     0,
                     0,
                     {}});
    const Parameter edge =
        number(quantity::EdgeRadius, Quantity::Ratio, std::nullopt, EdgeRatioRange);
    types.push_back({"duct.entrance.rounded",
                     "入口（ベルマウス）",
                     Applies::Both,
                     Yields::Coefficient,
                     Junction::None,
                     {{"rennels",
                       "Rennels",
                       Rennels,
                       Reference::Own,
                       {edge},
                       [](V v, S) { return RoundedEntranceRennels(v[0]); }},
                      {"swamee",
                       "Swamee & Sharma",
                       "Swamee & Sharma, Design of Water Supply Pipe Networks (2008)",
                       Reference::Own,
                       {edge},
                       [](V v, S) { return RoundedEntranceSwamee(v[0]); }}},
                     0,
                     0,
                     {}});
    types.push_back(
        {"duct.entrance.reentrant",
         "入口（突出し）",
         Applies::Both,
         Yields::Coefficient,
         Junction::None,
         {{"rennels",
           "Rennels",
           Rennels,
           Reference::Own,
           {number(quantity::WallThickness, Quantity::Ratio, std::nullopt, EdgeRatioRange)},
           [](V v, S) { return ReentrantEntranceRennels(v[0]); }}},
         0,
         0,
         {}});
    types.push_back({"duct.damper.open",
                     "ダンパ（全開）",
                     Applies::Ducts,
                     Yields::Coefficient,
                     Junction::None,
                     {UserZeta()},
                     0,
                     0,
                     "ダンパ全開時の係数には出典がありません。製造者の資料のζを入力するか、"
                     "圧力損失を機器として入力してください。"});
}

void addSizeChanges(std::vector<FittingType> &types)
{
    const std::string_view smallSide =
        "Borda–Carnot; Idelchik Diagram 4-1; Rennels & Hudson (2012)";
    types.push_back({"duct.sudden_expansion",
                     "急拡大",
                     Applies::Both,
                     Yields::Coefficient,
                     Junction::Widening,
                     {{"borda_carnot",
                       "Borda–Carnot",
                       smallSide,
                       Reference::SmallSide,
                       {areaRatio()},
                       [](V v, S s) { return SuddenExpansion(v[0], s.smallSide.reynolds); }},
                      {"hooper",
                       "Hooper (1988)",
                       Hooper1988,
                       Reference::SmallSide,
                       {areaRatio()},
                       [](V v, S s) {
                           return ExpansionHooper(v[0], Sudden, s.smallSide.reynolds,
                                                  s.smallSide.frictionFactor);
                       }}},
                     0,
                     0,
                     {}});
    types.push_back(
        {"duct.sudden_contraction",
         "急縮小",
         Applies::Both,
         Yields::Coefficient,
         Junction::Narrowing,
         {{"idelchik_4_9",
           "Idelchik 図4-9",
           "Idelchik, Handbook of Hydraulic Resistance, 3rd ed., Diagram 4-9",
           Reference::SmallSide,
           {areaRatio()},
           [](V v, S s) { return SuddenContractionIdelchik(v[0], s.smallSide.reynolds); }},
          {"rennels",
           "Rennels",
           Rennels,
           Reference::SmallSide,
           {areaRatio()},
           [](V v, S) { return SuddenContractionRennels(v[0]); }},
          {"crane",
           "Crane",
           Crane,
           Reference::SmallSide,
           {areaRatio()},
           [](V v, S) { return SuddenContractionCrane(v[0]); }},
          {"hooper",
           "Hooper (1988)",
           Hooper1988,
           Reference::SmallSide,
           {areaRatio()},
           [](V v, S s) {
               return ContractionHooper(v[0], Sudden, s.largeSide.reynolds,
                                        s.largeSide.frictionFactor);
           }}},
         0,
         1,
         {}});
    const Parameter theta = angle(TransitionAngleRange, std::nullopt);
    // The Rennels transitions take the Darcy factor of the small section
    // (the diffuser's inlet, the reducer's outlet).
    types.push_back(
        {"duct.diffuser.conical",
         "漸拡大",
         Applies::Both,
         Yields::Coefficient,
         Junction::Widening,
         {{"rennels",
           "Rennels",
           Rennels,
           Reference::SmallSide,
           {areaRatio(), theta},
           [](V v, S s) { return DiffuserRennels(v[0], v[1], s.smallSide.frictionFactor); }},
          {"crane",
           "Crane",
           Crane,
           Reference::SmallSide,
           {areaRatio(), theta},
           [](V v, S) { return DiffuserCrane(v[0], v[1]); }},
          {"hooper",
           "Hooper (1988)",
           Hooper1988,
           Reference::SmallSide,
           {areaRatio(), theta},
           [](V v, S s) {
               return ExpansionHooper(v[0], v[1], s.smallSide.reynolds, s.smallSide.frictionFactor);
           }}},
         0,
         0,
         "矩形断面では、面積比と大きい方の拡大角による近似です。"});
    types.push_back(
        {"duct.contraction.conical",
         "漸縮小",
         Applies::Both,
         Yields::Coefficient,
         Junction::Narrowing,
         {{"rennels",
           "Rennels",
           Rennels,
           Reference::SmallSide,
           {areaRatio(), theta},
           [](V v, S s) { return ReducerRennels(v[0], v[1], s.smallSide.frictionFactor); }},
          {"crane",
           "Crane",
           Crane,
           Reference::SmallSide,
           {areaRatio(), theta},
           [](V v, S) { return ReducerCrane(v[0], v[1]); }},
          {"hooper",
           "Hooper (1988)",
           Hooper1988,
           Reference::SmallSide,
           {areaRatio(), theta},
           [](V v, S s) {
               return ContractionHooper(v[0], v[1], s.largeSide.reynolds,
                                        s.largeSide.frictionFactor);
           }}},
         0,
         0,
         "矩形断面では、面積比と大きい方の縮小角による近似です。"});
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

void addTees(std::vector<FittingType> &types)
{
    types.push_back(teeType(
        "tee.diverging.branch", "分岐 分岐側", Junction::Branch,
        [](V v, S) { return DivergingBranchIdelchik(tee(v)); },
        [](V v, S) { return DivergingBranchCrane(tee(v)); }));
    types.push_back(teeType(
        "tee.diverging.straight", "分岐 直通側", Junction::Straight,
        [](V v, S) { return DivergingStraightIdelchik(tee(v)); },
        [](V v, S) { return DivergingStraightCrane(tee(v)); }));
    types.push_back(teeType(
        "tee.converging.branch", "合流 分岐側", Junction::Branch,
        [](V v, S) { return ConvergingBranchIdelchik(tee(v)); },
        [](V v, S) { return ConvergingBranchCrane(tee(v)); }));
    types.push_back(teeType(
        "tee.converging.straight", "合流 直通側", Junction::Straight,
        [](V v, S) { return ConvergingStraightIdelchik(tee(v)); },
        [](V v, S) { return ConvergingStraightCrane(tee(v)); }));
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
