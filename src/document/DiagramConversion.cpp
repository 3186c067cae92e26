#include "document/DiagramConversion.h"

#include "air/AtmosphericPressure.h"
#include "document/BuildOrder.h"

namespace document {

long double PressureOf(const Atmosphere &a)
{
    switch (a.basis) {
    case PressureBasis::Given:
        return a.pressure;
    case PressureBasis::Altitude:
        return air::AltitudePressure(a.altitude).value_or(air::StandardPressure);
    case PressureBasis::Standard:
        break;
    }
    return air::StandardPressure;
}

BuiltDiagram ToDiagram(const Chart &chart)
{
    BuiltDiagram built;
    chart::Diagram &diagram = built.diagram;
    diagram.setPressure(PressureOf(chart.atmosphere));
    std::map<int, int> idOf; // the chart's point id → the Diagram's
    const auto mapped = [&](int id) {
        const auto it = idOf.find(id);
        return it == idOf.end() ? 0 : it->second;
    };
    const auto describe = [&](int id, const Point &point) {
        diagram.setLabel(id, point.label);
        diagram.setNote(id, point.note);
        if (!point.kept.empty())
            built.kept.points[id] = point.kept;
    };
    std::map<int, const Point *> pointOf;
    for (const Point &p : chart.points)
        pointOf.emplace(p.id, &p);

    for (const BuildStep &step : OrderOf(chart).steps) {
        if (!step.process) {
            const Point &p = chart.points[step.index];
            const int id = diagram.addPoint(*p.definition, p.airflow);
            idOf[p.id] = id;
            describe(id, p);
            continue;
        }
        const Process &process = chart.processes[step.index];
        chart::ProcessDefinition d = process.definition;
        d.from = mapped(d.from);
        d.to = chart::TakesSecondPoint(d.kind) ? mapped(d.to) : 0;
        const int id = diagram.addProcess(d);
        if (!process.kept.empty())
            built.kept.processes[id] = process.kept;
        const int output = diagram.process(id)->output;
        if (output && process.output) {
            idOf[process.output] = output;
            if (const auto it = pointOf.find(process.output); it != pointOf.end())
                describe(output, *it->second);
        }
    }
    return built;
}

void StoreDiagram(const chart::Diagram &diagram, const KeptByDiagramId &kept, Chart &chart)
{
    const auto keptFor = [](const std::map<int, KeptMembers> &all, int id) {
        const auto it = all.find(id);
        return it == all.end() ? KeptMembers{} : it->second;
    };
    std::map<int, int> idOf; // the Diagram's point id → the chart's
    for (const chart::StatePoint &p : diagram.points())
        idOf.emplace(p.id, static_cast<int>(idOf.size()) + 1);
    const auto mapped = [&](int id) {
        const auto it = idOf.find(id);
        return it == idOf.end() ? 0 : it->second;
    };

    chart.points.clear();
    for (const chart::StatePoint &p : diagram.points()) {
        Point point;
        point.id = idOf[p.id];
        point.label = p.label;
        point.note = p.note;
        if (!p.producedBy) {
            point.definition = p.definition;
            point.definition->exact.reset();
            point.airflow = p.airflow;
        }
        point.kept = keptFor(kept.points, p.id);
        chart.points.push_back(std::move(point));
    }
    chart.processes.clear();
    for (const chart::Process &p : diagram.processes()) {
        Process process;
        process.definition = p.definition;
        process.definition.from = mapped(p.definition.from);
        process.definition.to =
            chart::TakesSecondPoint(p.definition.kind) ? mapped(p.definition.to) : 0;
        process.output = mapped(p.output);
        process.kept = keptFor(kept.processes, p.id);
        chart.processes.push_back(std::move(process));
    }
}

} // namespace document
