#include "chart/Sampling.h"

#include "numeric/Failure.h"

#include <cmath>

namespace chart {

namespace {

constexpr double Tolerance = 5e-5; // of the view's spans
constexpr int InitialSegments = 32;
constexpr int MaxDepth = 12;

struct Sampler
{
    const CurveFunction &f;
    const Ranges &view;
    std::vector<std::vector<ChartPoint>> raw; // unclipped runs where f is defined

    double u(double t) const { return (t - view.dryBulb.low) / view.dryBulb.span(); }
    double w(double x) const { return (x - view.humidityRatio.low) / view.humidityRatio.span(); }

    std::optional<double> at(double t) const
    {
        try {
            const std::optional<double> x = f(t);
            if (x && std::isfinite(*x))
                return x;
        } catch (const numeric::Failure &) {
        }
        return std::nullopt;
    }

    bool outsideTogether(double wa, double wm, double wb) const
    {
        return (wa > 1 && wm > 1 && wb > 1) || (wa < 0 && wm < 0 && wb < 0);
    }

    // Appends the refined points of (ta, tb], ta already appended.
    void refine(double ta, double xa, double tb, double xb, int depth, std::vector<ChartPoint> &out)
    {
        const double tm = (ta + tb) / 2;
        const std::optional<double> xm = at(tm);
        if (!xm) {
            out.push_back({tb, xb});
            return;
        }
        const double ua = u(ta), ub = u(tb), um = u(tm);
        const double wa = w(xa), wb = w(xb), wm = w(*xm);
        // Distance of the midpoint from the chord, in view units.
        const double du = ub - ua, dw = wb - wa;
        const double length = std::hypot(du, dw);
        const double deviation =
            length > 0 ? std::abs((um - ua) * dw - (wm - wa) * du) / length : 0.0;
        if (depth < MaxDepth && deviation > Tolerance && !outsideTogether(wa, wm, wb)) {
            refine(ta, xa, tm, *xm, depth + 1, out);
            refine(tm, *xm, tb, xb, depth + 1, out);
        } else {
            out.push_back({tb, xb});
        }
    }
};

} // namespace

std::vector<std::vector<ChartPoint>> SampleCurve(const CurveFunction &f, double ta, double tb,
                                                 const Ranges &view)
{
    Sampler s{f, view, {}};
    if (!(ta < tb))
        return {};
    std::vector<ChartPoint> run;
    double tPrev = ta;
    std::optional<double> xPrev = s.at(ta);
    if (xPrev)
        run.push_back({ta, *xPrev});
    for (int i = 1; i <= InitialSegments; ++i) {
        const double t = i == InitialSegments ? tb : ta + (tb - ta) * i / InitialSegments;
        const std::optional<double> x = s.at(t);
        if (x && xPrev) {
            s.refine(tPrev, *xPrev, t, *x, 0, run);
        } else if (x) {
            run.push_back({t, *x});
        } else if (!run.empty()) {
            s.raw.push_back(std::move(run));
            run.clear();
        }
        tPrev = t;
        xPrev = x;
    }
    if (!run.empty())
        s.raw.push_back(std::move(run));

    std::vector<std::vector<ChartPoint>> pieces;
    for (const auto &r : s.raw) {
        for (auto &piece : ClipToView(r, view))
            pieces.push_back(std::move(piece));
    }
    return pieces;
}

std::vector<std::vector<ChartPoint>> ClipToView(const std::vector<ChartPoint> &line,
                                                const Ranges &view)
{
    std::vector<std::vector<ChartPoint>> pieces;
    std::vector<ChartPoint> current;
    const double xmin = view.dryBulb.low, xmax = view.dryBulb.high;
    const double ymin = view.humidityRatio.low, ymax = view.humidityRatio.high;
    const auto finish = [&] {
        if (current.size() >= 2)
            pieces.push_back(std::move(current));
        current.clear();
    };
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        const ChartPoint a = line[i], b = line[i + 1];
        const double dx = b.t - a.t, dy = b.x - a.x;
        double t0 = 0.0, t1 = 1.0;
        bool visible = true;
        const double p[4] = {-dx, dx, -dy, dy};
        const double q[4] = {a.t - xmin, xmax - a.t, a.x - ymin, ymax - a.x};
        for (int k = 0; k < 4 && visible; ++k) {
            if (p[k] == 0) {
                if (q[k] < 0)
                    visible = false;
            } else {
                const double r = q[k] / p[k];
                if (p[k] < 0) {
                    if (r > t1)
                        visible = false;
                    else if (r > t0)
                        t0 = r;
                } else {
                    if (r < t0)
                        visible = false;
                    else if (r < t1)
                        t1 = r;
                }
            }
        }
        if (!visible) {
            finish();
            continue;
        }
        const ChartPoint start{a.t + t0 * dx, a.x + t0 * dy};
        const ChartPoint end{a.t + t1 * dx, a.x + t1 * dy};
        if (current.empty() || t0 > 0) {
            finish();
            current.push_back(start);
        }
        current.push_back(end);
        if (t1 < 1)
            finish();
    }
    finish();
    return pieces;
}

std::optional<double> SolveIncreasing(const std::function<double(double)> &g, double target,
                                      double lo, double hi)
{
    try {
        if (!(g(lo) <= target && target <= g(hi)))
            return std::nullopt;
        for (int i = 0; i < 100; ++i) {
            const double mid = (lo + hi) / 2;
            if (mid <= lo || mid >= hi)
                break;
            (g(mid) < target ? lo : hi) = mid;
        }
        return (lo + hi) / 2;
    } catch (const numeric::Failure &) {
        return std::nullopt;
    }
}

} // namespace chart
