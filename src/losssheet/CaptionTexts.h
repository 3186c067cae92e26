#pragma once

// What the loss sheet calls its conditions, columns and results, UTF-8:
// the window's captions, the record it writes, the printed sheet and the
// engine's own messages name them alike.
namespace losssheet::texts {

// One text a line, however long: a search for a text finds its name.
// clang-format off
// The conditions of a system.
static const char SystemName[] = "系統名";
static const char DuctMaterial[] = "ダクトの材質";
static const char AirDensity[] = "空気の密度";
static const char WaterDensity[] = "水の密度";
static const char SizingMethod[] = "寸法の決め方";
static const char RectangleOrSquare[] = "長方形（正方形）";
static const char Margin[] = "余裕率";
static const char StaticHead[] = "実揚程";
static const char TerminalPressure[] = "末端必要圧";

// The sections' columns, and the size a section is typed with.
static const char Section[] = "区間";
static const char DuctSize[] = "寸法";
static const char NominalSize[] = "呼び径";
static const char StraightLoss[] = "直管損失";
static const char FittingLoss[] = "局部損失";

// The fittings' columns.
static const char Kind[] = "種類";
static const char Method[] = "計算方法";
static const char Count[] = "個数";
static const char ReferenceVelocity[] = "基準の速度";
static const char EquivalentLengthMetres[] = "相当管長\nm";
static const char LossOver[] = "損失\n"; // above the pressure's unit
static const char Remarks[] = "備考";

// The results: a duct system's, and a pipe system's in m and in kPa.
static const char RequiredStaticPressure[] = "必要静圧";
static const char TotalHead[] = "全揚程";
// clang-format on

} // namespace losssheet::texts
