// Values beyond the pages: the record keeps the page's text, the outputs
// print a number the record keeps behind it, and the calculation sheet prints
// every value at the decimals of its unit.
#include "app/record/UnitPrecision.h"

#include <gtest/gtest.h>

#include <optional>

using app::record::RecordedText;
using app::record::SheetText;
using app::ui::FieldValue;

namespace {

struct ValueCase
{
    const char *name;
    QString text; // as the page showed it
    QString unit;
    std::optional<double> value; // the number behind the text, when kept
    QString recorded;            // in the record window, copy and CSV
    QString sheet;               // on the calculation sheet
};

class UnitPrecisionTest : public ::testing::TestWithParam<ValueCase>
{
};

TEST_P(UnitPrecisionTest, PrintsWhatTheValueMerits)
{
    const ValueCase &c = GetParam();
    FieldValue f{QStringLiteral("x"), QStringLiteral("項目"), c.text, c.unit};
    f.value = c.value;
    EXPECT_EQ(RecordedText(f), c.recorded);
    EXPECT_EQ(SheetText(f), c.sheet);
}

// Humidity ratios: 26 ℃ and 50 % at 760 mmHg is 0.010529 kg/kg (the page
// shows 0.011), 5 ℃ and 40 % is 0.0021604 kg/kg (0.002).
INSTANTIATE_TEST_SUITE_P(
    Values, UnitPrecisionTest,
    ::testing::Values(
        ValueCase{"HumidityRatio", "0.011", "kg/kg", 0.0105291, "0.0105", "0.0105"},
        ValueCase{"SmallHumidityRatio", "0.002", "kg/kg", 0.0021604, "0.0022", "0.0022"},
        ValueCase{"TypedHumidityRatio", "0.01053", "kg/kg", 0.01053, "0.0105", "0.0105"},
        ValueCase{"HumidityRatioOfAnOlderRecord", "0.011", "kg/kg", std::nullopt, "0.011", "0.011"},
        ValueCase{"NumberOfAnUnknownUnit", "0.011", "g", 0.0105291, "0.011", "0.011"},
        ValueCase{"EquivalentDiameter", "491.924402923423", "mm", std::nullopt, "491.924402923423",
                  "491.9"},
        ValueCase{"WholeLength", "650", "mm", std::nullopt, "650", "650"},
        ValueCase{"HalfRoundsAwayFromZero", "12.25", "mm", std::nullopt, "12.25", "12.3"},
        ValueCase{"SmallRoughnessKeepsItsDigits", "0.15", "mm", std::nullopt, "0.15", "0.15"},
        ValueCase{"SmallerRoughness", "0.0015", "mm", std::nullopt, "0.0015", "0.0015"},
        ValueCase{"Velocity", "5.128", "m/s", std::nullopt, "5.128", "5.13"},
        ValueCase{"SmallVelocityNeverZero", "0.004", "m/s", std::nullopt, "0.004", "0.004"},
        ValueCase{"AirVolume", "3600.4", "m3/h", std::nullopt, "3600.4", "3600"},
        ValueCase{"Temperature", "26.000", "℃", std::nullopt, "26.000", "26.0"},
        ValueCase{"TemperatureNearZero", "-0.04", "℃", std::nullopt, "-0.04", "0.0"},
        ValueCase{"NegativeTemperature", "-10.456", "℃", std::nullopt, "-10.456", "-10.5"},
        ValueCase{"Enthalpy", "52.876", "kJ/kg", std::nullopt, "52.876", "52.9"},
        ValueCase{"StandardPressure", "101.325", "kPa", std::nullopt, "101.325", "101.325"},
        ValueCase{"LossPerMetre", "0.987", "Pa/m", std::nullopt, "0.987", "0.99"},
        ValueCase{"SmallLossPerMetre", "0.0123", "Pa/m", std::nullopt, "0.0123", "0.012"},
        ValueCase{"Exponent", "1.5E-05", "mm", std::nullopt, "1.5E-05", "1.5E-05"},
        ValueCase{"Option", "矩形ダクト", "", std::nullopt, "矩形ダクト", "矩形ダクト"},
        ValueCase{"PipeSize", "40", "", std::nullopt, "40", "40"},
        ValueCase{"Empty", "", "mm", std::nullopt, "", ""},
        ValueCase{"BeyondTheExtendedRange", QString(6000, QLatin1Char('9')), "mm", std::nullopt,
                  QString(6000, QLatin1Char('9')), QString(6000, QLatin1Char('9'))}),
    [](const auto &p) { return std::string(p.param.name); });

} // namespace
