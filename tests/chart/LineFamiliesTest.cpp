#include "chart/LineFamilies.h"
#include "air/Psychrometrics.h"
#include "numeric/Units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using chart::Family;
using chart::PlotMapping;

// Distance in pixels from p to the nearest line of the family with the value.
double DistanceToLine(const chart::LineFamilies &families, const PlotMapping &m, Family family,
                      double value, chart::Pixel p)
{
    double best = std::numeric_limits<double>::infinity();
    for (const chart::Polyline &line : families.lines) {
        if (line.family != family || std::abs(line.value - value) > 1e-9)
            continue;
        for (std::size_t i = 0; i + 1 < line.points.size(); ++i) {
            const chart::Pixel a = m.toPixel(line.points[i]), b = m.toPixel(line.points[i + 1]);
            const double dx = b.x - a.x, dy = b.y - a.y;
            const double len2 = dx * dx + dy * dy;
            double u = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
            u = std::clamp(u, 0.0, 1.0);
            best = std::min(best, std::hypot(a.x + u * dx - p.x, a.y + u * dy - p.y));
        }
    }
    return best;
}

chart::Pixel PixelOf(const PlotMapping &m, const air::AirState &s)
{
    return m.toPixel({static_cast<double>(s.dryBulb), static_cast<double>(s.humidityRatio)});
}

// The humidity ratio on the volume line v at t (procedures with t + 273.15).
long double XOnVolumeLine(long double v, long double t, long double P)
{
    const long double v0 = air::SpecificVolume(0, t + air::IcePoint, P);
    return (v - v0) / (air::SpecificVolume(1, t + air::IcePoint, P) - v0);
}

TEST(LineFamilies, StatesOfThePageLieOnTheLinesThroughThem)
{
    const long double P1000m = 674.11377L; // the page's pressure at 1000 m
    const struct
    {
        const char *name;
        long double P;
        bool conventional;
        Family family;
        double value;
        air::AirState state;
    } cases[] = {
        // The page's 100 % state at 20 °C on the saturation curve.
        {"saturation 20 C", 760, true, Family::Saturation, 100,
         air::StateFromRelativeHumidity(20, 100, 760)},
        {"saturation at 1000 m", P1000m, true, Family::Saturation, 100,
         air::StateFromRelativeHumidity(20, 100, P1000m)},
        {"50 % at 30 C", 760, true, Family::RelativeHumidity, 50,
         air::StateFromRelativeHumidity(30, 50, 760)},
        {"80 % at 5 C at 1000 m", P1000m, true, Family::RelativeHumidity, 80,
         air::StateFromRelativeHumidity(5, 80, P1000m)},
        {"wet bulb 20 at 30 C", 760, true, Family::WetBulb, 20, air::StateFromWetBulb(30, 20, 760)},
        {"wet bulb -3 at 4 C", 760, true, Family::WetBulb, -3, air::StateFromWetBulb(4, -3, 760)},
        {"15 kcal/kg at 28 C", 760, true, Family::Enthalpy, 15,
         air::StateFromEnthalpy(28, 15, 760)},
        {"60 kJ/kg at 25 C", 760, false, Family::Enthalpy, 60,
         air::StateFromEnthalpy(25, 60 / numeric::KJPerKcal, 760)},
        {"0.87 m3/kg at 28 C", 760, true, Family::SpecificVolume, 0.87,
         air::StateFromHumidityRatio(28, XOnVolumeLine(0.87L, 28, 760), 760)},
        {"0.96 m3/kg at 1000 m", P1000m, true, Family::SpecificVolume, 0.96,
         air::StateFromHumidityRatio(20, XOnVolumeLine(0.96L, 20, P1000m), P1000m)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        chart::ChartSettings settings;
        settings.pressure = c.P;
        settings.conventionalUnits = c.conventional;
        const chart::LineFamilies families = chart::BuildLineFamilies(settings);
        const PlotMapping m(settings.ranges, {60, 40, 1700, 950});
        EXPECT_LT(DistanceToLine(families, m, c.family, c.value, PixelOf(m, c.state)), 0.5);
    }
}

TEST(LineFamilies, CurvesShowNoCornersOnALargePlot)
{
    // On a 4000-pixel plot, the true curve at the middle of every sampled
    // segment lies within a quarter pixel of the segment.
    const chart::ChartSettings settings;
    const chart::LineFamilies families = chart::BuildLineFamilies(settings);
    const PlotMapping m(settings.ranges, {0, 0, 4000, 2400});
    const auto curve = [&](const chart::Polyline &line, double t) -> double {
        const long double P = settings.pressure;
        if (line.family == Family::Saturation)
            return chart::SaturationHumidityRatio(t, P);
        return static_cast<double>(air::HumidityRatioFromVapourPressure(
            line.value / 100 * air::SaturationPressure(t, P), P));
    };
    int checked = 0;
    for (const chart::Polyline &line : families.lines) {
        if (line.family != Family::Saturation && line.family != Family::RelativeHumidity)
            continue;
        for (std::size_t i = 0; i + 1 < line.points.size(); ++i) {
            const auto a = line.points[i], b = line.points[i + 1];
            const double t = (a.t + b.t) / 2;
            const double chordY = m.pixelY((a.x + b.x) / 2);
            EXPECT_LT(std::abs(m.pixelY(curve(line, t)) - chordY), 0.25)
                << line.value << " at " << t;
            ++checked;
        }
    }
    EXPECT_GT(checked, 100);
}

TEST(LineFamilies, StepsFollowTheUnits)
{
    const struct
    {
        const char *name;
        bool conventional;
        double step, labelStep;
    } cases[] = {{"kcal/kg", true, 1, 5}, {"kJ/kg", false, 5, 10}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        chart::ChartSettings settings;
        settings.conventionalUnits = c.conventional;
        const chart::LineFamilies families = chart::BuildLineFamilies(settings);
        std::vector<double> values;
        for (const auto &line : families.lines) {
            if (line.family == Family::Enthalpy && line.major)
                EXPECT_NEAR(std::remainder(line.value, c.labelStep), 0, 1e-9);
            if (line.family == Family::Enthalpy && (values.empty() || values.back() != line.value))
                values.push_back(line.value);
        }
        ASSERT_GT(values.size(), 10u);
        for (std::size_t i = 0; i + 1 < values.size(); ++i)
            EXPECT_NEAR(std::remainder(values[i + 1] - values[i], c.step), 0, 1e-9);
    }
}

TEST(LineFamilies, EveryFamilyAndLabelInView)
{
    const chart::ChartSettings settings;
    const chart::LineFamilies families = chart::BuildLineFamilies(settings);
    int counts[chart::FamilyCount] = {};
    for (const auto &line : families.lines) {
        ++counts[chart::Index(line.family)];
        for (const auto &p : line.points) {
            EXPECT_GE(p.t, -10 - 1e-9);
            EXPECT_LE(p.t, 50 + 1e-9);
            EXPECT_GE(p.x, -1e-12);
            EXPECT_LE(p.x, 0.030 + 1e-12);
        }
    }
    EXPECT_EQ(counts[chart::Index(Family::RelativeHumidity)], 9);
    EXPECT_EQ(counts[chart::Index(Family::Saturation)], 1);
    EXPECT_GT(counts[chart::Index(Family::WetBulb)], 40);
    EXPECT_GT(counts[chart::Index(Family::SpecificVolume)], 15);
    EXPECT_GT(counts[chart::Index(Family::Grid)], 60);
    EXPECT_GT(families.dewPointMarks.size(), 30u);
    for (const auto &label : families.labels)
        EXPECT_FALSE(label.anchors.empty()) << label.text;
}

TEST(LineFamilies, CacheBuildsOncePerSettings)
{
    chart::LineFamilyCache cache;
    chart::ChartSettings settings;
    cache.get(settings);
    cache.get(settings);
    EXPECT_EQ(cache.builds(), 1);
    settings.pressure = 700;
    cache.get(settings);
    settings.conventionalUnits = false;
    cache.get(settings);
    settings.ranges.dryBulb.high = 40;
    cache.get(settings);
    EXPECT_EQ(cache.builds(), 4);
}

TEST(LineFamilies, LowPressureHotViewDoesNotFail)
{
    // At 405 mmHg saturation passes the pressure near 82 °C: the lines stop
    // where the model cannot go on.
    chart::ChartSettings settings;
    settings.pressure = 405;
    settings.ranges = {{-60, 90}, {0, 0.2}};
    const chart::LineFamilies families = chart::BuildLineFamilies(settings);
    EXPECT_FALSE(families.lines.empty());
}

} // namespace
