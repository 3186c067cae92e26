#include "chart/Diagram.h"

#include "air/AirStateRange.h"
#include "air/AirTexts.h"
#include "air/Psychrometrics.h"
#include "chart/ChartTexts.h"
#include "chart/Sampling.h"
#include "chart/ShfLine.h"
#include "numeric/Failure.h"

#include <algorithm>
#include <unordered_set>

namespace chart {

bool Produces(ProcessKind kind)
{
    return kind != ProcessKind::Change && kind != ProcessKind::ShfLine;
}

bool TakesSecondPoint(ProcessKind kind)
{
    return kind == ProcessKind::Change || kind == ProcessKind::Mixing;
}

namespace {

// A, B, … Z, AA, AB, … as spreadsheet columns are named.
std::string LabelOf(int n)
{
    std::string label;
    for (++n; n > 0; n = (n - 1) / 26)
        label.insert(label.begin(), static_cast<char>('A' + (n - 1) % 26));
    return label;
}

bool Positive(const std::optional<long double> &q)
{
    return q && *q > 0;
}

ChartPoint At(const air::AirState &s)
{
    return {static_cast<double>(s.dryBulb), static_cast<double>(s.humidityRatio)};
}

} // namespace

PointDefinition SteamTarget(long double enteringDryBulb, const ProcessDefinition &d)
{
    PointDefinition target;
    target.dryBulb = enteringDryBulb;
    target.given = d.target == air::HumidifyTarget::RelativeHumidity ? Given::RelativeHumidity
                                                                     : Given::HumidityRatio;
    target.value = d.value;
    return target;
}

std::optional<long double> WaterFlow(const Process &process)
{
    switch (process.definition.kind) {
    case ProcessKind::Change:
    case ProcessKind::Coil:
    case ProcessKind::SteamHumidifier:
    case ProcessKind::SprayHumidifier:
        break;
    default:
        return std::nullopt;
    }
    if (!process.change || !process.change->dryAirFlow)
        return std::nullopt;
    // A water balance on the dry air, which passes through unchanged:
    // water in plus water added = water out, G·x_A + W = G·x_B, so W = G·Δx
    // (ASHRAE Handbook—Fundamentals, Psychrometrics: humidification and
    // cooling with dehumidification).
    return *process.change->dryAirFlow * process.change->deltaHumidityRatio;
}

void Diagram::setPressure(long double mmHg)
{
    if (mmHg == pressure_)
        return;
    pressure_ = mmHg;
    recompute();
}

const StatePoint *Diagram::point(int id) const
{
    const int i = pointIndex(id);
    return i < 0 ? nullptr : &points_[i];
}

StatePoint *Diagram::mutablePoint(int id)
{
    const int i = pointIndex(id);
    return i < 0 ? nullptr : &points_[i];
}

const Process *Diagram::process(int id) const
{
    const int i = processIndex(id);
    return i < 0 ? nullptr : &processes_[i];
}

int Diagram::pointIndex(int id) const
{
    for (std::size_t i = 0; i < points_.size(); ++i) {
        if (points_[i].id == id)
            return static_cast<int>(i);
    }
    return -1;
}

int Diagram::processIndex(int id) const
{
    for (std::size_t i = 0; i < processes_.size(); ++i) {
        if (processes_[i].id == id)
            return static_cast<int>(i);
    }
    return -1;
}

std::string Diagram::nextFreeLabel() const
{
    std::unordered_set<std::string> used;
    for (const StatePoint &p : points_)
        used.insert(p.label);
    for (int n = 0;; ++n) {
        std::string label = LabelOf(n);
        if (!used.count(label))
            return label;
    }
}

int Diagram::addPoint(const PointDefinition &definition, std::optional<long double> airflow)
{
    StatePoint p;
    p.id = nextId_++;
    p.label = nextFreeLabel();
    p.airflow = airflow;
    p.definition = definition;
    computePoint(p);
    points_.push_back(p);
    return p.id;
}

void Diagram::removePoint(int id)
{
    const StatePoint *p = point(id);
    if (!p)
        return;
    if (p->producedBy) {
        removeProcess(p->producedBy);
        return;
    }
    for (;;) {
        const auto user = std::find_if(processes_.begin(), processes_.end(), [&](const Process &q) {
            return q.definition.from == id ||
                   (TakesSecondPoint(q.definition.kind) && q.definition.to == id);
        });
        if (user == processes_.end())
            break;
        removeProcess(user->id);
    }
    points_.erase(points_.begin() + pointIndex(id));
    recomputeProcesses();
}

bool Diagram::redefinePoint(int id, const PointDefinition &definition)
{
    StatePoint *p = mutablePoint(id);
    if (!p || p->producedBy)
        return false;
    p->definition = definition;
    computePoint(*p);
    recomputeProcesses();
    return true;
}

bool Diagram::movePoint(int id, long double t, long double x)
{
    return redefinePoint(id, FromDryBulbAndHumidityRatio(t, x));
}

void Diagram::setLabel(int id, const std::string &label)
{
    if (StatePoint *p = mutablePoint(id))
        p->label = label;
}

bool Diagram::setAirflow(int id, std::optional<long double> airflow)
{
    StatePoint *p = mutablePoint(id);
    if (!p || p->producedBy)
        return false;
    p->airflow = airflow;
    updateDryAirFlow(*p);
    recomputeProcesses();
    return true;
}

void Diagram::setNote(int id, const std::string &note)
{
    if (StatePoint *p = mutablePoint(id))
        p->note = note;
}

int Diagram::addProcess(const ProcessDefinition &definition)
{
    Process process;
    process.id = nextId_++;
    process.definition = definition;
    if (Produces(definition.kind)) {
        StatePoint out;
        out.id = nextId_++;
        out.label = nextFreeLabel();
        out.producedBy = process.id;
        points_.push_back(out);
        process.output = out.id;
    }
    processes_.push_back(process);
    computeProcess(processes_.back());
    return process.id;
}

void Diagram::removeProcess(int id)
{
    const int i = processIndex(id);
    if (i < 0)
        return;
    const int output = processes_[i].output;
    processes_.erase(processes_.begin() + i);
    if (StatePoint *out = mutablePoint(output)) {
        out->producedBy = 0;
        removePoint(output);
    }
    recomputeProcesses();
}

void Diagram::recompute()
{
    for (StatePoint &p : points_) {
        if (!p.producedBy)
            computePoint(p);
    }
    recomputeProcesses();
}

void Diagram::computePoint(StatePoint &p) const
{
    PointResult r = ComputePoint(p.definition, pressure_);
    p.state = r.state;
    p.problem = r.problem;
    updateDryAirFlow(p);
}

void Diagram::updateDryAirFlow(StatePoint &p)
{
    // The specific volume is per kg of dry air, so Q / v is the dry-air mass
    // flow (ASHRAE Handbook—Fundamentals, Psychrometrics).
    p.dryAirFlow.reset();
    if (Positive(p.airflow) && p.state && p.state->specificVolume > 0)
        p.dryAirFlow = *p.airflow / p.state->specificVolume;
}

void Diagram::recomputeProcesses()
{
    ++processRevision_;
    for (Process &process : processes_)
        computeProcess(process);
}

void Diagram::computeProcess(Process &process)
{
    const ProcessDefinition &d = process.definition;
    process.change.reset();
    process.apparatusDewPoint.reset();
    process.bypassFactor.reset();
    process.problem.clear();
    process.airPath.clear();
    StatePoint *out = mutablePoint(process.output);
    if (out) {
        out->state.reset();
        out->problem.clear();
        out->airflow.reset();
        out->dryAirFlow.reset();
    }
    const auto fail = [&](const std::string &why) {
        process.problem = why;
        if (out)
            out->problem = why;
    };

    const StatePoint *a = point(d.from);
    const StatePoint *b = TakesSecondPoint(d.kind) ? point(d.to) : nullptr;
    if (!a || !a->state || (TakesSecondPoint(d.kind) && (!b || !b->state))) {
        fail(texts::NoPoint);
        return;
    }
    const air::AirState &sa = *a->state;
    try {
        std::optional<air::AirState> leaving;
        switch (d.kind) {
        case ProcessKind::Change:
            process.change = air::ChangeOfState(sa, *b->state, a->airflow);
            break;
        case ProcessKind::Mixing: {
            if (!Positive(a->airflow) || !Positive(b->airflow)) {
                fail(texts::NoAirflow);
                return;
            }
            // By the dry-air mass of each stream (air::Mix): G = G1 + G2, and
            // the volume flow at the mixed state is G·v.
            const air::Mixture m = air::Mix(sa, *a->airflow, *b->state, *b->airflow);
            out->state = m.state;
            out->airflow = m.airflow;
            if (a->dryAirFlow && b->dryAirFlow)
                out->dryAirFlow = *a->dryAirFlow + *b->dryAirFlow;
            break;
        }
        case ProcessKind::Coil: {
            const air::CoilResult coil =
                d.coilByLeavingDryBulb ? air::CoolingCoilByLeavingDryBulb(sa, d.value, d.second)
                                       : air::CoolingCoilByBypassFactor(sa, d.value, d.second);
            process.apparatusDewPoint = coil.apparatusDewPoint;
            process.bypassFactor = coil.bypassFactor;
            leaving = coil.leaving;
            break;
        }
        case ProcessKind::Heating:
            leaving = air::HeatTo(sa, d.value);
            break;
        case ProcessKind::SteamHumidifier: {
            // Steam at constant dry bulb: the target must be a state of moist
            // air there, or the model would put it on the saturation curve.
            const std::string impossible = ImpossibleReason(SteamTarget(sa.dryBulb, d), pressure_);
            if (!impossible.empty()) {
                fail(impossible);
                return;
            }
            leaving = air::SteamHumidify(sa, d.target, d.value);
            break;
        }
        case ProcessKind::SprayHumidifier:
            leaving = air::SprayHumidify(sa, d.target, d.value);
            if (!leaving) {
                fail(texts::Unreachable);
                return;
            }
            break;
        case ProcessKind::ShfLine:
            if (!(d.value > 0 && d.value <= 1)) {
                fail(texts::BadShf);
                return;
            }
            process.apparatusDewPoint = ShfLineApparatusDewPoint(sa, d.value);
            return;
        }
        if (leaving) {
            out->state = leaving;
            process.change = air::ChangeOfState(sa, *leaving, a->airflow);
            // The dry air passes through unchanged: the produced point
            // carries A's dry-air flow G, and its volume flow follows its own
            // specific volume, Q = G·v.
            if (a->dryAirFlow) {
                out->dryAirFlow = a->dryAirFlow;
                out->airflow = *a->dryAirFlow * leaving->specificVolume;
            }
        }
        process.airPath = airPath(process);
    } catch (const numeric::Failure &failure) {
        process.airPath.clear();
        fail(failure.what());
        return;
    }
    if (out && out->state && air::AnyQuantityOutOfRange(*out->state))
        out->problem = air::texts::OutOfRange;
}

std::vector<ChartPoint> Diagram::airPath(const Process &process) const
{
    const ProcessDefinition &d = process.definition;
    const StatePoint *a = point(d.from);
    const StatePoint *other = TakesSecondPoint(d.kind) ? point(d.to) : point(process.output);
    if (!a || !a->state || !other || !other->state)
        return {};
    const air::AirState &sa = *a->state;
    std::vector<ChartPoint> path{At(sa)};
    if (d.kind == ProcessKind::SprayHumidifier) {
        // Along A's wet-bulb line.
        const double ta = static_cast<double>(sa.dryBulb);
        const double tb = static_cast<double>(other->state->dryBulb);
        for (int i = 1; i < 16; ++i) {
            const double t = ta + (tb - ta) * i / 16;
            path.push_back(
                {t, static_cast<double>(air::HumidityRatioFromWetBulb(t, sa.wetBulb, pressure_))});
        }
    }
    path.push_back(At(*other->state));
    if (process.apparatusDewPoint)
        path.push_back(At(*process.apparatusDewPoint));
    return path;
}

std::vector<ChartPoint> Diagram::path(const Process &process, const Ranges &view) const
{
    const ProcessDefinition &d = process.definition;
    if (!process.problem.empty())
        return {};
    if (d.kind != ProcessKind::ShfLine)
        return process.airPath;
    const StatePoint *a = point(d.from);
    if (!a || !a->state)
        return {};
    const air::AirState &sa = *a->state;
    try {
        // Across the whole view.
        const double t0 = view.dryBulb.low, t1 = view.dryBulb.high;
        std::vector<ChartPoint> line;
        if (d.value == 1) {
            line = {{t0, static_cast<double>(sa.humidityRatio)},
                    {t1, static_cast<double>(sa.humidityRatio)}};
        } else {
            for (int i = 0; i <= 64; ++i) {
                const double t = t0 + (t1 - t0) * i / 64;
                line.push_back({t, static_cast<double>(air::ShfLineHumidityRatio(sa, d.value, t))});
            }
        }
        auto pieces = ClipToView(line, view);
        return pieces.empty() ? std::vector<ChartPoint>{} : pieces.front();
    } catch (const numeric::Failure &) {
        return {};
    }
}

} // namespace chart
