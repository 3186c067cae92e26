#include "chart/LabelPlacer.h"
#include "chart/PlotMapping.h"
#include "chart/Ranges.h"
#include "chart/Sampling.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using chart::ChartPoint;
using chart::Pixel;
using chart::PlotMapping;
using chart::Ranges;
using chart::Rect;

TEST(PlotMapping, StateToPixelToStateWithinHalfAPixel)
{
    const struct
    {
        const char *name;
        Ranges ranges;
        Rect plot;
        ChartPoint state;
    } cases[] = {
        {"default view, room air", {}, {60, 40, 1700, 950}, {26.0, 0.0105}},
        {"default view, corner", {}, {60, 40, 1700, 950}, {-10.0, 0.0}},
        {"small window", {}, {10, 10, 301, 173}, {33.3, 0.0271}},
        {"zoomed in", {{18.5, 19.5}, {0.0101, 0.0111}}, {0, 0, 800, 600}, {19.01, 0.01055}},
        {"whole model", {{-60, 90}, {0, 0.2}}, {5, 5, 3000, 2000}, {89.9, 0.19}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const PlotMapping m(c.ranges, c.plot);
        const Pixel p = m.toPixel(c.state);
        // Round to the pixel the pointer would be on, and back.
        const Pixel onScreen{std::round(p.x), std::round(p.y)};
        const ChartPoint back = m.toChart(onScreen);
        const Pixel again = m.toPixel(back);
        // Half a pixel, and the rounding of a state that lies exactly on one.
        constexpr double Half = 0.5 + 1e-9;
        EXPECT_LE(std::abs(again.x - p.x), Half);
        EXPECT_LE(std::abs(again.y - p.y), Half);
        EXPECT_LE(std::abs(back.t - c.state.t), Half * m.dryBulbPerPixel());
        EXPECT_LE(std::abs(back.x - c.state.x), Half * m.humidityRatioPerPixel());
    }
}

TEST(PlotMapping, AxesRunRightAndUp)
{
    const PlotMapping m({}, {100, 50, 600, 300});
    EXPECT_DOUBLE_EQ(m.toPixel({-10, 0}).x, 100);
    EXPECT_DOUBLE_EQ(m.toPixel({-10, 0}).y, 350);
    EXPECT_DOUBLE_EQ(m.toPixel({50, 0.03}).x, 700);
    EXPECT_DOUBLE_EQ(m.toPixel({50, 0.03}).y, 50);
}

TEST(Ranges, ZoomPanAndLimits)
{
    const Ranges home;
    // Zooming about a point keeps it where it was.
    const Ranges zoomed = chart::ZoomedAbout(home, 20, 0.01, 0.5);
    EXPECT_DOUBLE_EQ(zoomed.dryBulb.low, 5);
    EXPECT_DOUBLE_EQ(zoomed.dryBulb.high, 35);
    EXPECT_DOUBLE_EQ(zoomed.humidityRatio.low, 0.005);
    EXPECT_DOUBLE_EQ(zoomed.humidityRatio.high, 0.02);
    // Below the smallest span the zoom stops.
    Ranges tiny{{20, 21}, {0.01, 0.011}};
    EXPECT_EQ(chart::ZoomedAbout(tiny, 20.5, 0.0105, 0.5), tiny);
    // Zooming out ends at the limits.
    const Ranges out = chart::ZoomedAbout(home, 20, 0.01, 100);
    EXPECT_EQ(out.dryBulb, chart::DryBulbLimits);
    EXPECT_EQ(out.humidityRatio, chart::HumidityRatioLimits);
    // A pan stops at an edge and keeps the span.
    const Ranges down = chart::Panned(home, 0, -0.5);
    EXPECT_DOUBLE_EQ(down.humidityRatio.low, 0);
    EXPECT_DOUBLE_EQ(down.humidityRatio.high, 0.03);
    const Ranges right = chart::Panned(home, 0.25, 0);
    EXPECT_DOUBLE_EQ(right.dryBulb.low, 5);
    EXPECT_DOUBLE_EQ(right.dryBulb.high, 65);
    // A drag rectangle in any direction; an empty or broken one is refused
    // by falling back to the limits rather than to nothing.
    const Ranges box = chart::FromCorners(30, 0.02, 10, 0.005);
    EXPECT_EQ(box, (Ranges{{10, 30}, {0.005, 0.02}}));
    EXPECT_EQ(chart::Limited({{5, 5}, {0.01, 0.01}}).dryBulb, chart::DryBulbLimits);
    EXPECT_EQ(chart::Limited({{NAN, 5}, {0.01, 0.02}}).dryBulb, chart::DryBulbLimits);
}

TEST(Ranges, SnapToTheDecimalStepBelowAPixel)
{
    const struct
    {
        double value, perPixel, expected;
    } cases[] = {
        {23.456, 0.035, 23.46}, // 60 °C over 1700 px: 0.01 steps
        {23.456, 0.35, 23.5},   // a small window: 0.1 steps
        {0.0123456, 3.2e-5, 0.01235},
        {-4.04, 0.0009, -4.04},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_NEAR(chart::SnapToPixelStep(c.value, c.perPixel), c.expected, 1e-12);
    }
}

TEST(LabelPlacer, NeverOverlapsAndStaysInside)
{
    chart::LabelPlacer placer({0, 0, 200, 100});
    EXPECT_TRUE(placer.place({50, 50}, 40, 12, chart::Side::Centre, 0));
    // The same spot again, and a box overlapping it by a pixel, are refused.
    EXPECT_FALSE(placer.place({50, 50}, 40, 12, chart::Side::Centre, 0));
    EXPECT_FALSE(placer.place({89, 50}, 40, 12, chart::Side::Centre, 0));
    // Touching is not overlapping.
    EXPECT_TRUE(placer.place({90, 50}, 40, 12, chart::Side::Centre, 0));
    // Beyond the bounds.
    EXPECT_FALSE(placer.place({195, 50}, 40, 12, chart::Side::Right, 2));
    // Reserved areas count as placed.
    placer.reserve({0, 0, 30, 30});
    EXPECT_FALSE(placer.place({10, 10}, 8, 8, chart::Side::Centre, 0));

    const auto &boxes = placer.placed();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            EXPECT_FALSE(boxes[i].intersects(boxes[j])) << i << " " << j;
}

TEST(LabelPlacer, SidesAroundTheAnchor)
{
    const struct
    {
        chart::Side side;
        Rect expected;
    } cases[] = {
        {chart::Side::Centre, {90, 45, 20, 10}},      {chart::Side::Above, {90, 38, 20, 10}},
        {chart::Side::Below, {90, 52, 20, 10}},       {chart::Side::Left, {78, 45, 20, 10}},
        {chart::Side::Right, {102, 45, 20, 10}},      {chart::Side::AboveLeft, {78, 38, 20, 10}},
        {chart::Side::BelowRight, {102, 52, 20, 10}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.side));
        const Rect r = chart::BoxBeside({100, 50}, 20, 10, c.side, 2);
        EXPECT_DOUBLE_EQ(r.left, c.expected.left);
        EXPECT_DOUBLE_EQ(r.top, c.expected.top);
    }
}

} // namespace

namespace {

TEST(ClipToView, PiecesInsideTheView)
{
    const chart::Ranges view{{0, 10}, {0, 1}};
    const struct
    {
        const char *name;
        std::vector<chart::ChartPoint> line;
        std::vector<std::vector<chart::ChartPoint>> expected;
    } cases[] = {
        {"inside", {{1, 0.1}, {2, 0.2}, {3, 0.3}}, {{{1, 0.1}, {2, 0.2}, {3, 0.3}}}},
        {"leaves at the top", {{5, 0.5}, {5, 1.5}}, {{{5, 0.5}, {5, 1}}}},
        {"enters from the left", {{-5, 0.5}, {5, 0.5}}, {{{0, 0.5}, {5, 0.5}}}},
        {"outside", {{-5, -1}, {-1, -2}}, {}},
        {"leaves and comes back",
         {{2, 0.5}, {4, 1.5}, {6, 0.5}},
         {{{2, 0.5}, {3, 1}}, {{5, 1}, {6, 0.5}}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto pieces = chart::ClipToView(c.line, view);
        ASSERT_EQ(pieces.size(), c.expected.size());
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            ASSERT_EQ(pieces[i].size(), c.expected[i].size());
            for (std::size_t j = 0; j < pieces[i].size(); ++j) {
                EXPECT_NEAR(pieces[i][j].t, c.expected[i][j].t, 1e-12);
                EXPECT_NEAR(pieces[i][j].x, c.expected[i][j].x, 1e-12);
            }
        }
    }
}

TEST(SampleCurve, StopsWhereTheModelCannotCompute)
{
    // A curve undefined above t = 5 ends there, and one undefined in the
    // middle falls into two pieces.
    const chart::Ranges view{{0, 10}, {0, 1}};
    const auto upTo5 = chart::SampleCurve(
        [](double t) -> std::optional<double> {
            return t <= 5 ? std::optional<double>(0.05 * t) : std::nullopt;
        },
        0, 10, view);
    ASSERT_EQ(upTo5.size(), 1u);
    EXPECT_LE(upTo5[0].back().t, 5);
    EXPECT_GT(upTo5[0].back().t, 4.5);
    const auto gap = chart::SampleCurve(
        [](double t) -> std::optional<double> {
            return t > 4 && t < 6 ? std::nullopt : std::optional<double>(0.5);
        },
        0, 10, view);
    EXPECT_EQ(gap.size(), 2u);
}

} // namespace
