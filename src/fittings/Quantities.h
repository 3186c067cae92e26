#pragma once

#include <string_view>

// The names of a fitting's inputs, as its editor labels them and as a
// warning about them quotes them.
namespace fittings::quantity {

// One text a line, however long: a search for a text finds its name.
// clang-format off
// Bend radius / diameter.
inline constexpr std::string_view RadiusRatio = "R/D";
// Bend radius / width in the plane of the turn.
inline constexpr std::string_view WidthRadiusRatio = "R/W";
// Turn or total included angle, °.
inline constexpr std::string_view Angle = "角度";
// Tee branch angle α, °.
inline constexpr std::string_view BranchAngle = "分岐角";
// Smaller / larger section.
inline constexpr std::string_view AreaRatio = "面積比";
// a = F_s / F_c.
inline constexpr std::string_view BranchAreaRatio = "分岐管面積比";
// q = Q_s / Q_c.
inline constexpr std::string_view FlowRatio = "流量比";
// Inlet rounding radius / diameter.
inline constexpr std::string_view EdgeRadius = "r/d";
// Duct wall thickness / diameter.
inline constexpr std::string_view WallThickness = "t/d";
inline constexpr std::string_view Reynolds = "Re";
inline constexpr std::string_view NominalInches = "呼び径（インチ）";
inline constexpr std::string_view InnerInches = "内径（インチ）";
inline constexpr std::string_view FrictionFactor = "λ";
inline constexpr std::string_view Zeta = "ζ";
inline constexpr std::string_view Row = "継手・弁";
inline constexpr std::string_view RatedLoss = "定格圧力損失";
inline constexpr std::string_view RatedFlow = "定格流量";
inline constexpr std::string_view EquivalentLength = "相当管長";
inline constexpr std::string_view Percent = "直管損失に対する割合";
inline constexpr std::string_view Diameter = "内径";
// A value the user types rather than one the catalogue computes, and the
// equipment whose loss is rated: as the catalogue names them and the loss
// sheet heads their columns.
inline constexpr std::string_view Typed = "入力値";
inline constexpr std::string_view Equipment = "機器";
// clang-format on

} // namespace fittings::quantity
