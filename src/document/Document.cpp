#include "document/Document.h"

namespace document {

bool Atmosphere::operator==(const Atmosphere &other) const
{
    if (basis != other.basis)
        return false;
    switch (basis) {
    case PressureBasis::Given:
        return pressure == other.pressure;
    case PressureBasis::Altitude:
        return altitude == other.altitude;
    case PressureBasis::Standard:
        break;
    }
    return true;
}

bool Point::operator==(const Point &other) const
{
    if (id != other.id || label != other.label || airflow != other.airflow || note != other.note ||
        kept != other.kept || definition.has_value() != other.definition.has_value())
        return false;
    if (!definition)
        return true;
    const chart::PointDefinition &a = *definition, &b = *other.definition;
    return a.dryBulb == b.dryBulb && a.given == b.given && a.value == b.value;
}

bool SameProcess(const chart::ProcessDefinition &a, const chart::ProcessDefinition &b)
{
    if (a.kind != b.kind || a.from != b.from)
        return false;
    if (chart::TakesSecondPoint(a.kind))
        return a.to == b.to;
    switch (a.kind) {
    case chart::ProcessKind::Coil:
        return a.value == b.value && a.second == b.second &&
               a.coilByLeavingDryBulb == b.coilByLeavingDryBulb;
    case chart::ProcessKind::SteamHumidifier:
    case chart::ProcessKind::SprayHumidifier:
        return a.value == b.value && a.target == b.target;
    default:
        return a.value == b.value;
    }
}

bool Process::operator==(const Process &other) const
{
    return output == other.output && kept == other.kept &&
           SameProcess(definition, other.definition);
}

Document NewDocument(const TitleBlock &lastTitle, const std::string &chartName)
{
    Document d;
    d.title = lastTitle;
    d.title.kept.clear();
    Chart chart;
    chart.name = chartName;
    d.charts.push_back(chart);
    return d;
}

} // namespace document
