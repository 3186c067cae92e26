#include "document/DocumentWrite.h"

#include "document/Compose.h"
#include "document/DocumentFormat.h"
#include "document/SystemWrite.h"

namespace document {

namespace {

using chart::ProcessKind;
using json::Member;
using json::Value;

Value RangeValue(const chart::Range &r)
{
    return Value::Array({NumberValue(r.low), NumberValue(r.high)});
}

Value ComposeTitle(const TitleBlock &t)
{
    return Compose(format::TitleMembers,
                   {{"project", Value::String(t.project)},
                    {"designer", Value::String(t.designer)},
                    {"date", Value::String(t.date)},
                    {"notes", Value::String(t.notes)}},
                   t.kept);
}

Value ComposePoint(const Point &p)
{
    std::vector<Member> m{{"id", NumberValue(p.id)}, {"label", Value::String(p.label)}};
    if (p.definition) {
        const chart::PointDefinition &d = *p.definition;
        m.push_back({"dryBulb", NumberValue(d.dryBulb)});
        m.push_back(
            {std::string(format::GivenNames[static_cast<int>(d.given)]), NumberValue(d.value)});
        if (p.airflow)
            m.push_back({"airflow", NumberValue(*p.airflow)});
    }
    m.push_back({"note", Value::String(p.note)});
    return Compose(format::PointMembers, std::move(m), p.kept);
}

Value ComposeProcess(const Process &p)
{
    const chart::ProcessDefinition &d = p.definition;
    std::vector<Member> m{
        {"kind", Value::String(std::string(format::ProcessKindNames[static_cast<int>(d.kind)]))},
        {"from", NumberValue(d.from)}};
    if (chart::TakesSecondPoint(d.kind))
        m.push_back({"to", NumberValue(d.to)});
    switch (d.kind) {
    case ProcessKind::Coil:
        m.push_back({"apparatusDewPoint", NumberValue(d.value)});
        m.push_back(
            {d.coilByLeavingDryBulb ? "leavingDryBulb" : "bypassFactor", NumberValue(d.second)});
        break;
    case ProcessKind::Heating:
        m.push_back({"dryBulb", NumberValue(d.value)});
        break;
    case ProcessKind::SteamHumidifier:
    case ProcessKind::SprayHumidifier:
        m.push_back(
            {d.target == air::HumidifyTarget::HumidityRatio ? "humidityRatio" : "relativeHumidity",
             NumberValue(d.value)});
        break;
    case ProcessKind::ShfLine:
        m.push_back({"sensibleHeatFactor", NumberValue(d.value)});
        break;
    case ProcessKind::Change:
    case ProcessKind::Mixing:
        break;
    }
    if (chart::Produces(d.kind))
        m.push_back({"output", NumberValue(p.output)});
    return Compose(format::ProcessMembers, std::move(m), p.kept);
}

Value ComposeChart(const Chart &c)
{
    const Atmosphere &a = c.atmosphere;
    std::vector<Member> m{
        {"name", Value::String(c.name)},
        {"atmosphere",
         Value::String(std::string(format::PressureBasisNames[static_cast<int>(a.basis)]))}};
    if (a.basis == PressureBasis::Given)
        m.push_back({"pressure", NumberValue(a.pressure)});
    else if (a.basis == PressureBasis::Altitude)
        m.push_back({"altitude", NumberValue(a.altitude)});
    m.push_back({"dryBulbRange", RangeValue(c.view.dryBulb)});
    m.push_back({"humidityRatioRange", RangeValue(c.view.humidityRatio)});
    Value points = Value::Array();
    for (const Point &p : c.points)
        points.items.push_back(ComposePoint(p));
    Value processes = Value::Array();
    for (const Process &p : c.processes)
        processes.items.push_back(ComposeProcess(p));
    m.push_back({"points", std::move(points)});
    m.push_back({"processes", std::move(processes)});
    return Compose(format::ChartMembers, std::move(m), c.kept);
}

} // namespace

Value ComposeDocument(const Document &d, losssheet::UnitSystem units)
{
    Value charts = Value::Array();
    for (const Chart &c : d.charts)
        charts.items.push_back(ComposeChart(c));
    Value systems = Value::Array();
    for (std::size_t i = 0; i < d.systems.size(); ++i)
        systems.items.push_back(ComposeSystem(d.systems[i], i, units));
    return Compose(format::DocumentMembers,
                   {{"format", Value::String(format::Name)},
                    {"version", NumberValue(format::Version)},
                    {"title", ComposeTitle(d.title)},
                    {"charts", std::move(charts)},
                    {"systems", std::move(systems)}},
                   d.kept);
}

} // namespace document
