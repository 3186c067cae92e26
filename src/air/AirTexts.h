#pragma once

// The texts of moist air that the moist-air page, the chart's model and the
// chart window all show, UTF-8: the names of the properties and their units,
// and the page's messages, which the chart window shows for the same faults.
namespace air::texts {

// One text a line, however long: a search for a text finds its name.
// clang-format off
// The page's tab.
static const char PageCaption[] = "空気の状態値計算";

// The properties, as the page's fields, the chart's lists and its lines
// name them.
static const char DryBulb[] = "乾球温度";
static const char WetBulb[] = "湿球温度";
static const char RelativeHumidity[] = "相対湿度";
static const char HumidityRatio[] = "絶対湿度";
static const char DewPoint[] = "露点温度";
static const char Enthalpy[] = "比エンタルピ";
static const char SpecificVolume[] = "比容積";
static const char Pressure[] = "大気圧";
// The enthalpy among the properties one gives (the page's list and the
// chart's point entry).
static const char GivenEnthalpy[] = "エンタルピ";

// Their units.
static const char Celsius[] = "℃";
static const char Percent[] = "％";
static const char HumidityRatioUnit[] = "kg/kg";
static const char SpecificVolumeUnit[] = "m3/kg";

constexpr const char *EnthalpyUnit(bool conventional)
{
    return conventional ? "kcal/kg" : "kJ/kg";
}

constexpr const char *PressureUnit(bool conventional)
{
    return conventional ? "mmHg" : "kPa";
}

// The hint of a field for a number.
static const char EnterNumberHint[] = "数値を入力してください";

// The warnings: a field that holds no plain number, and a state beyond the
// model's range (also the failure of a search that leaves it,
// SearchLimitExceeded, and the problem of a chart point).
static const char EnterNumber[] = "数値を入力して下さい。";
static const char OutOfRange[] = "数値が範囲外です！";
// clang-format on

} // namespace air::texts
