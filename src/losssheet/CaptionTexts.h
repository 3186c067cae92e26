#pragma once

// What the loss sheet calls its conditions, columns and results, UTF-8:
// the window's captions, the record it writes, the printed sheet and the
// engine's own messages name them alike.
namespace losssheet::texts {

// One text a line, however long: a search for a text finds its name.
// clang-format off
// The conditions of a system.
inline constexpr char SystemName[] = "系統名";
inline constexpr char DuctMaterial[] = "ダクトの材質";
inline constexpr char AirDensity[] = "空気の密度";
inline constexpr char WaterDensity[] = "水の密度";
inline constexpr char SizingMethod[] = "寸法の決め方";
inline constexpr char RectangleOrSquare[] = "長方形（正方形）";
inline constexpr char Margin[] = "余裕率";
inline constexpr char StaticHead[] = "実揚程";
inline constexpr char TerminalPressure[] = "末端必要圧";

// The sections' columns, and the size a section is typed with.
inline constexpr char Section[] = "区間";
inline constexpr char DuctSize[] = "寸法";
inline constexpr char NominalSize[] = "呼び径";
inline constexpr char StraightLoss[] = "直管損失";
inline constexpr char FittingLoss[] = "局部損失";

// The fittings' columns.
inline constexpr char Kind[] = "種類";
inline constexpr char Method[] = "計算方法";
inline constexpr char Count[] = "個数";
inline constexpr char ReferenceVelocity[] = "基準の速度";
inline constexpr char EquivalentLengthMetres[] = "相当管長\nm";
inline constexpr char LossOver[] = "損失\n"; // above the pressure's unit
inline constexpr char Remarks[] = "備考";

// The results: a duct system's, and a pipe system's in m and in kPa.
inline constexpr char RequiredStaticPressure[] = "必要静圧";
inline constexpr char TotalHead[] = "全揚程";
// clang-format on

} // namespace losssheet::texts
