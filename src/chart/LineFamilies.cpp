#include "chart/LineFamilies.h"

#include "air/Processes.h"
#include "air/Psychrometrics.h"
#include "chart/Sampling.h"
#include "numeric/Failure.h"
#include "numeric/NumberText.h"
#include "numeric/Units.h"

#include <algorithm>
#include <cmath>

namespace chart {

namespace {

// Drawn lines per family at most; more would merge into a grey area.
constexpr int MaxLines = 80;
constexpr int MinLines = 6;

// A step of base × 1, 2, 5, 10… or ×0.5, 0.2, 0.1 that keeps the count of
// lines over `span` between MinLines and `maxLines`, the base step itself
// whenever it does.
double StepFor(double base, double span, int maxLines = MaxLines)
{
    static constexpr double Coarser[] = {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};
    static constexpr double Finer[] = {0.5, 0.2, 0.1};
    if (span / base < MinLines) {
        double step = base;
        for (double m : Finer) {
            step = base * m;
            if (span / step >= MinLines)
                break;
        }
        return step;
    }
    for (double m : Coarser) {
        if (span / (base * m) <= maxLines)
            return base * m;
    }
    return base * Coarser[std::size(Coarser) - 1];
}

bool IsMultiple(double value, double step)
{
    const double q = value / step;
    return std::abs(q - std::round(q)) < 1e-6;
}

int DecimalsFor(double step)
{
    int d = 0;
    while (d < 6 && !IsMultiple(step, std::pow(10.0, -d)))
        ++d;
    return d;
}

std::string Text(double value, int decimals)
{
    // Rounding first keeps "-0" away.
    const double r = std::round(value * std::pow(10.0, decimals)) / std::pow(10.0, decimals);
    return numeric::FormatFixed(r == 0 ? 0.0L : static_cast<long double>(r), decimals);
}

// The multiples of step in [low, high].
std::vector<double> Multiples(double step, double low, double high)
{
    std::vector<double> values;
    for (double k = std::ceil(low / step - 1e-9); k * step <= high + step * 1e-9; k += 1)
        values.push_back(k * step);
    return values;
}

class Builder
{
public:
    explicit Builder(const ChartSettings &s) : s_(s), P_(s.pressure), v_(s.ranges) {}

    LineFamilies build()
    {
        grid();
        saturation();
        relativeHumidity();
        wetBulbAndDewPoint();
        enthalpy();
        specificVolume();
        shfScale();
        return std::move(out_);
    }

private:
    double t0() const { return v_.dryBulb.low; }
    double t1() const { return v_.dryBulb.high; }
    double x0() const { return v_.humidityRatio.low; }
    double x1() const { return v_.humidityRatio.high; }

    double xs(double t) const { return SaturationHumidityRatio(t, P_); }
    // The top of the unsaturated region at the right edge.
    double topRight() const
    {
        try {
            return std::min(x1(), xs(t1()));
        } catch (const numeric::Failure &) {
            return x1();
        }
    }
    // The dry bulb at which saturation reaches x.
    std::optional<double> saturationAt(double x) const
    {
        return SolveIncreasing([&](double t) { return xs(t); }, x, air::MinAirTemperature - 1,
                               air::MaxAirTemperature);
    }

    void add(Family family, bool major, double value, const CurveFunction &f, double ta, double tb)
    {
        for (auto &piece : SampleCurve(f, std::max(ta, t0()), std::min(tb, t1()), v_))
            out_.lines.push_back({family, major, value, std::move(piece)});
    }
    void addSegment(Family family, bool major, double value, ChartPoint a, ChartPoint b)
    {
        for (auto &piece : ClipToView({a, b}, v_))
            out_.lines.push_back({family, major, value, std::move(piece)});
    }
    void label(Family family, std::string text, std::vector<ChartPoint> anchors, Side side,
               int priority)
    {
        std::erase_if(anchors, [&](ChartPoint p) {
            return !(p.t >= t0() && p.t <= t1() && p.x >= x0() && p.x <= x1());
        });
        if (!anchors.empty())
            out_.labels.push_back({family, std::move(text), std::move(anchors), side, priority});
    }

    void grid()
    {
        const double tStep = StepFor(1.0, v_.dryBulb.span(), 75);
        const double tLabel = LabelStep(tStep, v_.dryBulb.span(), 12);
        for (double t : Multiples(tStep, t0(), t1())) {
            const bool labelled = IsMultiple(t, tLabel);
            out_.dryBulbTicks.push_back({t, labelled, Text(t, DecimalsFor(tLabel))});
            try {
                const double top = std::min(xs(t), x1());
                if (top > x0())
                    addSegment(Family::Grid, IsMultiple(t, tStep * 5), t, {t, x0()}, {t, top});
            } catch (const numeric::Failure &) {
            }
        }
        const double xStep = StepFor(0.001, v_.humidityRatio.span(), 60);
        const double xLabel = LabelStep(xStep, v_.humidityRatio.span(), 15);
        const int decimals = std::max(3, DecimalsFor(xLabel));
        for (double x : Multiples(xStep, x0(), x1())) {
            const bool labelled = IsMultiple(x, xLabel);
            out_.humidityRatioTicks.push_back({x, labelled, Text(x, decimals)});
            out_.gramTicks.push_back({x, labelled, Text(x * 1000, std::max(0, decimals - 3))});
            const std::optional<double> start = saturationAt(x);
            const double from = start ? std::max(*start, t0()) : t0();
            if (start || x <= 0)
                addSegment(Family::Grid, IsMultiple(x, xStep * 5), x, {from, x}, {t1(), x});
        }
    }

    // A label step that is a multiple of the line step, with at most
    // `maxLabels` labels over the span.
    static double LabelStep(double step, double span, int maxLabels)
    {
        for (double m : {1, 2, 5, 10, 20, 50, 100}) {
            if (span / (step * m) <= maxLabels)
                return step * m;
        }
        return step * 100;
    }

    void saturation()
    {
        add(
            Family::Saturation, true, 100, [&](double t) { return xs(t); }, t0(), t1());
    }

    void relativeHumidity()
    {
        for (int percent = 10; percent <= 90; percent += 10) {
            const long double phi = percent / 100.0L;
            const CurveFunction f = [&, phi](double t) -> std::optional<double> {
                const long double pw = phi * air::SaturationPressure(t, P_);
                return static_cast<double>(air::HumidityRatioFromVapourPressure(pw, P_));
            };
            add(Family::RelativeHumidity, percent == 50, percent, f, t0(), t1());
            // Anchors from the visible end backwards: where the curve leaves
            // the top of the view, or at the right-hand edge.
            double tEnd = t1();
            if (const auto top =
                    SolveIncreasing([&](double t) { return f(t).value_or(1e9); }, x1(), t0(), t1()))
                tEnd = *top;
            std::vector<ChartPoint> anchors;
            for (int i = 1; i <= 16; ++i) {
                const double t = tEnd - v_.dryBulb.span() * 0.035 * i;
                try {
                    if (const auto x = f(t))
                        anchors.push_back({t, *x});
                } catch (const numeric::Failure &) {
                }
            }
            label(Family::RelativeHumidity, std::to_string(percent) + "%", std::move(anchors),
                  Side::Centre, 50);
        }
    }

    void wetBulbAndDewPoint()
    {
        double low = t0() - 30, high = t1();
        try {
            low = static_cast<double>(air::WetBulbFromHumidityRatio(t0(), x0(), P_));
            high = static_cast<double>(air::WetBulbFromHumidityRatio(t1(), topRight(), P_));
        } catch (const numeric::Failure &) {
        }
        const double step = StepFor(1.0, high - low);
        const double labelStep = step * 5;
        const int decimals = DecimalsFor(labelStep);
        for (double tw : Multiples(step, low, high)) {
            const bool major = IsMultiple(tw, labelStep);
            double end = t1();
            try {
                end = static_cast<double>(air::DryBulbOnWetBulbLine(tw, x0(), P_));
            } catch (const numeric::Failure &) {
            }
            add(
                Family::WetBulb, major, tw,
                [&, tw](double t) -> std::optional<double> {
                    return static_cast<double>(air::HumidityRatioFromWetBulb(t, tw, P_));
                },
                tw, end);
            if (major) {
                try {
                    label(Family::WetBulb, Text(tw, decimals), {{tw, xs(tw)}}, Side::AboveLeft, 40);
                } catch (const numeric::Failure &) {
                }
            }
        }
        // Dew points: the saturation curve read across at constant x.
        const double tStep = StepFor(1.0, v_.dryBulb.span());
        for (double t : Multiples(tStep, t0(), t1())) {
            try {
                const double x = xs(t);
                if (x < x0() || x > x1())
                    continue;
                out_.dewPointMarks.push_back({t, x});
                if (IsMultiple(t, tStep * 5))
                    label(Family::DewPoint, Text(t, DecimalsFor(tStep * 5)), {{t, x}},
                          Side::AboveLeft, 20);
            } catch (const numeric::Failure &) {
            }
        }
    }

    void enthalpy()
    {
        // Lines every 1 kcal/kg labelled every 5, or every 5 kJ/kg labelled
        // every 10; a kJ/kg value is converted with the factor the moist-air
        // page shows enthalpy with.
        const bool kcal = s_.conventionalUnits;
        const double unit = kcal ? 1.0 : static_cast<double>(numeric::KJPerKcal);
        double low = 0, high = 0;
        try {
            low = static_cast<double>(air::EnthalpyFromHumidityRatio(t0(), x0())) * unit;
            high = static_cast<double>(air::EnthalpyFromHumidityRatio(t1(), topRight())) * unit;
        } catch (const numeric::Failure &) {
            return;
        }
        const double step = StepFor(kcal ? 1.0 : 5.0, high - low);
        const double labelStep = step * (kcal ? 5 : 2);
        const int decimals = DecimalsFor(labelStep);
        const double extension = v_.dryBulb.span() * 0.025;
        for (double shown : Multiples(step, low, high)) {
            const long double h = shown / static_cast<long double>(unit); // kcal/kg
            const bool major = IsMultiple(shown, labelStep);
            const CurveFunction f = [h](double t) -> std::optional<double> {
                return static_cast<double>(air::HumidityRatioFromEnthalpy(t, h));
            };
            const auto saturated = SolveIncreasing(
                [&](double t) {
                    return static_cast<double>(air::EnthalpyFromHumidityRatio(t, xs(t)));
                },
                static_cast<double>(h), air::MinAirTemperature - 1, air::MaxAirTemperature);
            const double start = saturated.value_or(t0());
            double end = t1();
            try {
                end = static_cast<double>(air::DryBulbFromEnthalpy(x0(), h));
            } catch (const numeric::Failure &) {
            }
            add(Family::Enthalpy, major, shown, f, start, end);
            if (!saturated)
                continue;
            // The scale: each line runs on a little past the saturation curve.
            add(Family::Enthalpy, false, shown, f, start - extension, start);
            if (major) {
                std::vector<ChartPoint> anchors;
                try {
                    if (const auto x = f(start - extension))
                        anchors.push_back({start - extension, *x});
                } catch (const numeric::Failure &) {
                }
                label(Family::Enthalpy, Text(shown, decimals), std::move(anchors), Side::AboveLeft,
                      45);
            }
        }
    }

    void specificVolume()
    {
        const auto volume = [&](double x, double t) {
            return static_cast<double>(air::SpecificVolume(x, t + air::IcePoint, P_));
        };
        double low = 0, high = 0;
        try {
            low = volume(x0(), t0());
            high = volume(topRight(), t1());
        } catch (const numeric::Failure &) {
            return;
        }
        const double step = StepFor(0.01, high - low);
        const double majorStep = step * 5;
        const int decimals = DecimalsFor(step);
        for (double v : Multiples(step, low, high)) {
            // v is linear in x at a given t: x = (v − v(0)) / (v(1) − v(0)).
            const CurveFunction f = [&, v](double t) -> std::optional<double> {
                const double v0 = volume(0, t);
                return (v - v0) / (volume(1, t) - v0);
            };
            const auto saturated =
                SolveIncreasing([&](double t) { return volume(xs(t), t); }, v,
                                air::MinAirTemperature - 1, air::MaxAirTemperature);
            const auto bottom =
                SolveIncreasing([&](double t) { return volume(x0(), t); }, v,
                                air::MinAirTemperature - 1, air::MaxAirTemperature + 200);
            const bool major = IsMultiple(v, majorStep);
            add(Family::SpecificVolume, major, v, f, saturated.value_or(t0()),
                bottom.value_or(t1()));
            std::vector<ChartPoint> anchors;
            for (int i = 1; i <= 8; ++i) {
                const double x = x0() + v_.humidityRatio.span() * 0.03 * i;
                if (const auto t =
                        SolveIncreasing([&](double tt) { return volume(x, tt); }, v,
                                        air::MinAirTemperature - 1, air::MaxAirTemperature + 200))
                    anchors.push_back({*t, x});
            }
            label(Family::SpecificVolume, Text(v, decimals), std::move(anchors), Side::Right,
                  major ? 30 : 10);
        }
    }

    // SHF lines from the reference point towards warmer, moister air: every
    // 0.05 from 0.30 to 1.00, labelled every 0.1.
    void shfScale()
    {
        try {
            const air::AirState o = air::StateFromRelativeHumidity(
                ShfReferenceDryBulb, ShfReferenceRelativeHumidity, P_);
            const ChartPoint at{ShfReferenceDryBulb, static_cast<double>(o.humidityRatio)};
            if (!(at.t > t0() && at.t < t1() && at.x > x0() && at.x < x1()))
                return;
            out_.shfReference = at;
            for (int k = 6; k <= 20; ++k) {
                const long double shf = k / 20.0L;
                const auto x = [&](double t) {
                    return static_cast<double>(air::ShfLineHumidityRatio(o, shf, t));
                };
                ShfTick tick;
                tick.labelled = k % 2 == 0;
                tick.text = Text(static_cast<double>(shf), 1);
                if (x(t1()) <= x1()) {
                    tick.at = {t1(), x(t1())};
                } else if (const auto t = SolveIncreasing(x, x1(), at.t, t1())) {
                    tick.at = {*t, x1()};
                    tick.onTop = true;
                } else {
                    continue;
                }
                out_.shfTicks.push_back(tick);
            }
        } catch (const numeric::Failure &) {
        }
    }

    const ChartSettings &s_;
    long double P_;
    Ranges v_;
    LineFamilies out_;
};

} // namespace

double SaturationHumidityRatio(double t, long double pressure)
{
    return static_cast<double>(
        air::HumidityRatioFromVapourPressure(air::SaturationPressure(t, pressure), pressure));
}

LineFamilies BuildLineFamilies(const ChartSettings &settings)
{
    return Builder(settings).build();
}

const LineFamilies &LineFamilyCache::get(const ChartSettings &settings)
{
    if (!valid_ || !(settings == settings_)) {
        families_ = BuildLineFamilies(settings);
        settings_ = settings;
        valid_ = true;
        ++builds_;
    }
    return families_;
}

} // namespace chart
