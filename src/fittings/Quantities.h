#pragma once

#include <string_view>

// The names of a fitting's inputs, as its editor labels them and as a
// warning about them quotes them.
namespace fittings::quantity {

// One text a line, however long: a search for a text finds its name.
// clang-format off
// Bend radius / diameter.
static const char RadiusRatio[] = "R/D";
// Bend radius / width in the plane of the turn.
static const char WidthRadiusRatio[] = "R/W";
// Turn or total included angle, °.
static const char Angle[] = "角度";
// Tee branch angle α, °.
static const char BranchAngle[] = "分岐角";
// Smaller / larger section.
static const char AreaRatio[] = "面積比";
// a = F_s / F_c.
static const char BranchAreaRatio[] = "分岐管面積比";
// q = Q_s / Q_c.
static const char FlowRatio[] = "流量比";
// Inlet rounding radius / diameter.
static const char EdgeRadius[] = "r/d";
// Duct wall thickness / diameter.
static const char WallThickness[] = "t/d";
static const char Reynolds[] = "Re";
static const char NominalInches[] = "呼び径（インチ）";
static const char InnerInches[] = "内径（インチ）";
static const char FrictionFactor[] = "λ";
static const char Zeta[] = "ζ";
static const char Row[] = "継手・弁";
static const char RatedLoss[] = "定格圧力損失";
static const char RatedFlow[] = "定格流量";
static const char EquivalentLength[] = "相当管長";
static const char Percent[] = "直管損失に対する割合";
static const char Diameter[] = "内径";
// A value the user types rather than one the catalogue computes, and the
// equipment whose loss is rated: as the catalogue names them and the loss
// sheet heads their columns.
static const char Typed[] = "入力値";
static const char Equipment[] = "機器";
// clang-format on

} // namespace fittings::quantity
