#pragma once

// The fixed texts of the chart window that its pure parts produce (table
// headers, process names, reasons), and the names of the chart and its two
// lists, which the window, its exports and its printout share: UTF-8. The
// properties of moist air and their units are air::texts.
namespace chart::texts {

// One text a line, however long: a search for a text finds its name.
// clang-format off
// The chart (the window's title, the drawing's title, the name of an export).
static const char WindowTitle[] = "空気線図";
// The two lists, on screen, printed and as the sheets of a workbook.
static const char PointsTitle[] = "状態点";
// A chart at the standard atmosphere: its pressure basis, as the chart window chooses it and the report names it.
static const char StandardPressure[] = "標準大気圧";
static const char ProcessesTitle[] = "工程";

static const char NoAirflow[] = "風量を入力して下さい。";
static const char NoPoint[] = "点がありません。";
static const char Unreachable[] = "この条件には届きません。";
static const char BadShf[] = "SHF は 0 より大きく 1 以下です。";

// A typed value that is no state of moist air at its dry bulb; %1 is the
// dry bulb, %2 the limit.
static const char RelativeHumidityLimits[] = "相対湿度は 0～100 ％ の範囲で入力して下さい。";
static const char NegativeHumidityRatio[] = "絶対湿度は 0 以上で入力して下さい。";
static const char HumidityRatioAboveSaturation[] = "絶対湿度は飽和（乾球温度 %1 ℃ で %2 kg/kg）以下で入力して下さい。";
static const char WetBulbAboveDryBulb[] = "湿球温度は乾球温度 %1 ℃ 以下で入力して下さい。";
static const char WetBulbBelowDryAir[] = "湿球温度が低すぎます（乾球温度 %1 ℃ の乾き空気より乾いた空気になります）。";
static const char DewPointAboveDryBulb[] = "露点温度は乾球温度 %1 ℃ 以下で入力して下さい。";
static const char EnthalpyBelowDryAir[] = "比エンタルピは乾き空気の値（乾球温度 %1 ℃ で %2）以上で入力して下さい。";
static const char EnthalpyAboveSaturation[] = "比エンタルピは飽和空気の値（乾球温度 %1 ℃ で %2）以下で入力して下さい。";
static const char DoesNotReachSaturation[] = "SHF 線が飽和曲線に届きません。";

// Process kinds, in the order of the process list's choice.
inline constexpr const char *ProcessNames[] = {"状態変化", "混合",       "冷却コイル", "加熱",
                                               "蒸気加湿", "水噴霧加湿", "SHF線"};
// clang-format on

} // namespace chart::texts
