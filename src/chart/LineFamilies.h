#pragma once

#include "chart/PlotMapping.h"
#include "chart/Ranges.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace chart {

// The line families of the chart, in the order they are drawn.
enum class Family {
    Grid,             // dry bulb every 1 °C, humidity ratio every 0.001 kg/kg
    RelativeHumidity, // 10 % to 90 % every 10 %
    SpecificVolume,   // every 0.01 m³/kg
    Enthalpy,         // every 1 kcal/kg or 5 kJ/kg, with the scale beyond saturation
    WetBulb,          // every 1 °C
    DewPoint,         // marks along the saturation curve
    Saturation,
    ShfScale, // the sensible-heat-factor scale on the right and top edges
};
inline constexpr int FamilyCount = 8;
using FamilySwitches = std::array<bool, FamilyCount>;
inline constexpr FamilySwitches AllFamilies{true, true, true, true, true, true, true, true};

inline constexpr int Index(Family f)
{
    return static_cast<int>(f);
}

// What the lines depend on: nothing else changes them.
struct ChartSettings
{
    long double pressure = 760.0L; // mmHg
    bool conventionalUnits = true; // enthalpy in kcal/kg, else kJ/kg
    Ranges ranges;

    bool operator==(const ChartSettings &) const = default;
};

struct Polyline
{
    Family family = Family::Grid;
    bool major = false; // a labelled value: drawn a little stronger
    double value = 0.0; // of the family's quantity, in the unit shown (t, %, x, h, v)
    std::vector<ChartPoint> points;
};

// Where a label stands beside its anchor.
enum class Side { Centre, Above, Below, Left, Right, AboveLeft, AboveRight, BelowLeft, BelowRight };

// A label the painter may place: the first anchor at which it overlaps
// nothing placed before wins; a label with no free anchor is left out.
struct LabelCandidate
{
    Family family = Family::Grid;
    std::string text;
    std::vector<ChartPoint> anchors;
    Side side = Side::Centre;
    int priority = 0; // higher first
};

struct Tick
{
    double value = 0.0;
    bool labelled = false;
    std::string text;
};

// A mark of the SHF scale: where the SHF line from the scale's reference
// point meets the right-hand or the top edge of the view.
struct ShfTick
{
    ChartPoint at;
    bool onTop = false;
    bool labelled = false;
    std::string text;
};

// The reference point of the SHF scale, as on printed charts: 26 °C, 50 %.
inline constexpr double ShfReferenceDryBulb = 26.0;
inline constexpr double ShfReferenceRelativeHumidity = 50.0;

struct LineFamilies
{
    std::vector<Polyline> lines;
    std::vector<LabelCandidate> labels;
    std::vector<Tick> dryBulbTicks;       // bottom axis, °C
    std::vector<Tick> humidityRatioTicks; // right axis, kg/kg
    std::vector<Tick> gramTicks;          // the same ticks in g/kg
    std::vector<ChartPoint> dewPointMarks;
    std::vector<ShfTick> shfTicks;
    std::optional<ChartPoint> shfReference; // empty when out of view
};

// Every family for the settings, computed from the moist-air model alone: the
// saturation curve and the relative-humidity lines from the saturation
// pressure and x = 0.622·pw/(P − pw), the wet-bulb lines from the
// psychrometer relation, the enthalpy lines from its inverse, the volume
// lines from the specific-volume relation (with t + 273.15, as the states
// from relative humidity, humidity ratio and dew point use). Only the part in
// view is sampled.
LineFamilies BuildLineFamilies(const ChartSettings &settings);

// Keeps the families of the last settings.
class LineFamilyCache
{
public:
    const LineFamilies &get(const ChartSettings &settings);
    int builds() const { return builds_; }

private:
    bool valid_ = false;
    ChartSettings settings_;
    LineFamilies families_;
    int builds_ = 0;
};

// Saturation humidity ratio at t, kg/kg (the saturation curve).
double SaturationHumidityRatio(double t, long double pressure);

} // namespace chart
