#pragma once

#include "air/Processes.h"
#include "chart/PlotMapping.h"
#include "chart/StatePoints.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace chart {

// A state point of the chart with its list data.
struct StatePoint
{
    int id = 0;
    std::string label;
    std::optional<long double> airflow; // m³/h
    // G, kg/h of dry air: Q / v for a point of the user's, the source's for a
    // produced point (the sum of both streams after a mixing).
    std::optional<long double> dryAirFlow;
    std::string note;
    PointDefinition definition;
    int producedBy = 0; // the process that computes it, 0 for a point of the user's

    std::optional<air::AirState> state;
    std::string problem;
};

enum class ProcessKind { Change, Mixing, Coil, Heating, SteamHumidifier, SprayHumidifier, ShfLine };
inline constexpr int ProcessKindCount = 7;

// True for the kinds that produce a new point.
bool Produces(ProcessKind kind);
// True for the kinds that take a second point.
bool TakesSecondPoint(ProcessKind kind);

struct ProcessDefinition
{
    ProcessKind kind = ProcessKind::Change;
    int from = 0; // point id: A, the entering or the room point
    int to = 0;   // point id: B of a change, the second stream of a mixing
    // Coil: ADP °C; heating: dry bulb °C; humidifiers: target (% or kg/kg);
    // SHF line: the sensible heat factor.
    long double value = 0.0L;
    // Coil: the bypass factor, or the leaving dry bulb °C.
    long double second = 0.0L;
    bool coilByLeavingDryBulb = false;
    air::HumidifyTarget target = air::HumidifyTarget::RelativeHumidity;
};

struct Process
{
    int id = 0;
    ProcessDefinition definition;
    int output = 0; // the point it produces, 0 for none

    std::optional<air::StateChange> change; // from → to, or from → output
    // The coil's, or where an SHF line meets the saturation curve.
    std::optional<air::AirState> apparatusDewPoint;
    std::optional<long double> bypassFactor;
    std::string problem;
    // The path of the air through it in chart coordinates, computed with the
    // process (empty for an SHF line, which runs across the view).
    std::vector<ChartPoint> airPath;
};

// A steam humidifier's target as a point at the entering dry bulb: it must be
// a state of moist air there (ImpossibleReason).
PointDefinition SteamTarget(long double enteringDryBulb, const ProcessDefinition &definition);

// The water a process adds to the air (a humidifier, positive) or takes from
// it (a coil's condensate, negative), kg/h: G·Δx with G the dry-air flow of the
// entering air. Empty without an airflow, or for a kind that moves no water.
std::optional<long double> WaterFlow(const Process &process);

// The points and processes of one chart, recomputed together whenever the
// pressure or any point changes. Processes run in the order they were added,
// so a process may use the point an earlier one produced.
class Diagram
{
public:
    long double pressure() const { return pressure_; }
    void setPressure(long double mmHg);

    const std::vector<StatePoint> &points() const { return points_; }
    const std::vector<Process> &processes() const { return processes_; }
    const StatePoint *point(int id) const;
    const Process *process(int id) const;
    int pointIndex(int id) const;
    int processIndex(int id) const;

    // The next label A … Z, AA, AB … that no point uses.
    std::string nextFreeLabel() const;

    int addPoint(const PointDefinition &definition, std::optional<long double> airflow = {});
    // Removes the point with every process that uses it, and their points.
    void removePoint(int id);
    // A point of the user's gets a new definition; a produced one cannot.
    bool redefinePoint(int id, const PointDefinition &definition);
    bool movePoint(int id, long double t, long double x);
    void setLabel(int id, const std::string &label);
    bool setAirflow(int id, std::optional<long double> airflow);
    void setNote(int id, const std::string &note);

    // Computes only the new process: those before it cannot depend on it.
    int addProcess(const ProcessDefinition &definition);
    void removeProcess(int id);

    // What a change of this process draws, in chart coordinates: the path of
    // the air through it (Process::airPath; for a coil on to its ADP), or the
    // SHF line across the view.
    std::vector<ChartPoint> path(const Process &process, const Ranges &view) const;

    // Every point and process anew (after a change of pressure).
    void recompute();

    // Changes whenever a process, or a point one uses, may have changed; not
    // when a process was only added after the others, which leaves them as
    // they were. A drawing of the processes can be kept while it stays.
    std::uint64_t processRevision() const { return processRevision_; }

private:
    void computePoint(StatePoint &point) const;
    static void updateDryAirFlow(StatePoint &point);
    // A state procedure costs up to a few milliseconds, so a change of one
    // point computes that point and the processes only.
    void recomputeProcesses();
    StatePoint *mutablePoint(int id);
    void computeProcess(Process &process);
    std::vector<ChartPoint> airPath(const Process &process) const;

    long double pressure_ = 760.0L;
    std::vector<StatePoint> points_;
    std::vector<Process> processes_;
    int nextId_ = 1;
    std::uint64_t processRevision_ = 0;
};

} // namespace chart
