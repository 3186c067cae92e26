#include "fittings/CatalogueParts.h"
#include "fittings/Quantities.h"

namespace fittings::parts {

namespace {

constexpr ValidRange NotNegative{0};
constexpr ValidRange Positive{0, Unbounded, true};
constexpr std::string_view ByUser = "利用者の入力";

Parameter input(std::string_view id, std::string_view name, Quantity q, ValidRange range,
                std::optional<long double> value = std::nullopt)
{
    return {id, name, q, value, range, false, {}};
}

} // namespace

Method UserZeta()
{
    return {"user",
            "ζを入力",
            ByUser,
            Reference::Own,
            {input("zeta", quantity::Zeta, Quantity::Zeta, {})},
            [](std::span<const long double> v, const Situation &) {
                return Coefficient{v[0], Reference::Own, {}};
            }};
}

void AddUserEntries(std::vector<FittingType> &types)
{
    types.push_back({"user.zeta",
                     "局部抵抗係数 ζ",
                     Applies::Both,
                     Yields::Coefficient,
                     Junction::None,
                     {UserZeta()},
                     0,
                     0,
                     {}});
    types.push_back(
        {"pipe.equivalent_length",
         "局部抵抗の相当管長",
         Applies::Pipes,
         Yields::EquivalentLength,
         Junction::None,
         {{"user",
           quantity::Typed,
           "R × 相当管長",
           Reference::Own,
           {input("equivalentLength", quantity::EquivalentLength, Quantity::Length, NotNegative)},
           nullptr}},
         0,
         0,
         {}});
    // The rated flow is in the system's flow unit; the rated loss in Pa.
    types.push_back(
        {"equipment.fixed_dp",
         quantity::Equipment,
         Applies::Both,
         Yields::Equipment,
         Junction::None,
         {{"rated",
           "定格値から換算",
           "Δp = Δp_rated·(Q/Q_rated)²",
           Reference::Own,
           {input("ratedLoss", quantity::RatedLoss, Quantity::Pressure, NotNegative),
            input("ratedFlow", quantity::RatedFlow, Quantity::Flow, Positive)},
           nullptr}},
         0,
         0,
         "コイル・フィルタ・吹出口・消音器・熱交換器などの圧力損失を、定格流量での値で入力します。"
         "フィルタは初期・最終・平均のどの値かを備考に記してください。"});
    // kenchikusetubisekkei.com, 給水ポンプの揚程計算: the local loss taken as
    // 1.0 × the straight loss when the fittings are not itemised.
    types.push_back({"pipe.fittings_percent",
                     "局部損失（直管損失の割合）",
                     Applies::Pipes,
                     Yields::PercentOfStraight,
                     Junction::None,
                     {{"percent",
                       quantity::Typed,
                       "局部損失 = 直管損失 × 割合（継手を個別に数えない簡略法）",
                       Reference::Own,
                       {input("percent", quantity::Percent, Quantity::Percent, NotNegative, 100)},
                       nullptr}},
                     0,
                     0,
                     {}});
}

} // namespace fittings::parts
