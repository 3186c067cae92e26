#include "document/DocumentWrite.h"

#include "document/DocumentFormat.h"
#include "document/NumberText.h"

#include <algorithm>
#include <span>

namespace document {

namespace {

using chart::ProcessKind;
using json::Member;
using json::Value;

Value Number(long double x)
{
    return Value::Number(NumberText(x));
}

Value Number(double x)
{
    return Value::Number(NumberText(x));
}

Value Number(int n)
{
    return Value::Number(NumberText(static_cast<long long>(n)));
}

// The known members in their order with the kept ones between them. A kept
// member never takes the name of a known one (reading keeps only unknown
// names), nor is one lost whose anchor this version does not know.
Value Compose(std::span<const std::string_view> order, std::vector<Member> known,
              const KeptMembers &kept)
{
    const auto isKnown = [&](const std::string &name) {
        return std::find(order.begin(), order.end(), name) != order.end();
    };
    std::vector<Member> out;
    out.reserve(known.size() + kept.size());
    const auto keptAfter = [&](std::string_view anchor) {
        for (const KeptMember &k : kept) {
            if (k.after == anchor && !isKnown(k.name))
                out.push_back({k.name, k.value});
        }
    };
    keptAfter("");
    for (const std::string_view name : order) {
        for (Member &m : known) {
            if (m.name == name)
                out.push_back(std::move(m));
        }
        keptAfter(name);
    }
    for (const KeptMember &k : kept) {
        if (!k.after.empty() && !isKnown(k.after) && !isKnown(k.name))
            out.push_back({k.name, k.value});
    }
    return Value::Object(std::move(out));
}

Value RangeValue(const chart::Range &r)
{
    return Value::Array({Number(r.low), Number(r.high)});
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
    std::vector<Member> m{{"id", Number(p.id)}, {"label", Value::String(p.label)}};
    if (p.definition) {
        const chart::PointDefinition &d = *p.definition;
        m.push_back({"dryBulb", Number(d.dryBulb)});
        m.push_back({std::string(format::GivenNames[static_cast<int>(d.given)]), Number(d.value)});
        if (p.airflow)
            m.push_back({"airflow", Number(*p.airflow)});
    }
    m.push_back({"note", Value::String(p.note)});
    return Compose(format::PointMembers, std::move(m), p.kept);
}

Value ComposeProcess(const Process &p)
{
    const chart::ProcessDefinition &d = p.definition;
    std::vector<Member> m{
        {"kind", Value::String(std::string(format::ProcessKindNames[static_cast<int>(d.kind)]))},
        {"from", Number(d.from)}};
    if (chart::TakesSecondPoint(d.kind))
        m.push_back({"to", Number(d.to)});
    switch (d.kind) {
    case ProcessKind::Coil:
        m.push_back({"apparatusDewPoint", Number(d.value)});
        m.push_back({d.coilByLeavingDryBulb ? "leavingDryBulb" : "bypassFactor", Number(d.second)});
        break;
    case ProcessKind::Heating:
        m.push_back({"dryBulb", Number(d.value)});
        break;
    case ProcessKind::SteamHumidifier:
    case ProcessKind::SprayHumidifier:
        m.push_back(
            {d.target == air::HumidifyTarget::HumidityRatio ? "humidityRatio" : "relativeHumidity",
             Number(d.value)});
        break;
    case ProcessKind::ShfLine:
        m.push_back({"sensibleHeatFactor", Number(d.value)});
        break;
    case ProcessKind::Change:
    case ProcessKind::Mixing:
        break;
    }
    if (chart::Produces(d.kind))
        m.push_back({"output", Number(p.output)});
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
        m.push_back({"pressure", Number(a.pressure)});
    else if (a.basis == PressureBasis::Altitude)
        m.push_back({"altitude", Number(a.altitude)});
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

Value ComposeDocument(const Document &d)
{
    Value charts = Value::Array();
    for (const Chart &c : d.charts)
        charts.items.push_back(ComposeChart(c));
    return Compose(format::DocumentMembers,
                   {{"format", Value::String(format::Name)},
                    {"version", Number(format::Version)},
                    {"title", ComposeTitle(d.title)},
                    {"charts", std::move(charts)},
                    {"systems", d.systems}},
                   d.kept);
}

} // namespace document
