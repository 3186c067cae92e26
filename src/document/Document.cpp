#include "document/Document.h"

#include "document/FittingInputs.h"

#include <algorithm>

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

namespace {

using losssheet::Fitting;
using losssheet::Section;
using losssheet::System;

bool SameValues(const Fitting &a, const Fitting &b)
{
    const std::size_t n = std::max(a.values.size(), b.values.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto at = [i](const Fitting &f) {
            return i < f.values.size() ? f.values[i] : std::nullopt;
        };
        if (at(a) != at(b))
            return false;
    }
    return true;
}

bool SameFitting(const Fitting &a, const Fitting &b, losssheet::SystemKind kind)
{
    if (a.type != b.type || a.method != b.method || a.kept != b.kept)
        return false;
    if (!MethodOf(a, kind))
        return true;
    return SameValues(a, b) && a.count == b.count && a.note == b.note;
}

bool SameSection(const Section &a, const Section &b, losssheet::SystemKind kind)
{
    return a.name == b.name && a.upstream == b.upstream && a.flow == b.flow && a.size == b.size &&
           a.length == b.length && a.kept == b.kept &&
           std::equal(
               a.fittings.begin(), a.fittings.end(), b.fittings.begin(), b.fittings.end(),
               [kind](const Fitting &x, const Fitting &y) { return SameFitting(x, y, kind); });
}

bool SameDuctConditions(const losssheet::DuctConditions &a, const losssheet::DuctConditions &b)
{
    using losssheet::DuctShape;
    return a.material == b.material && a.roughness == b.roughness && a.density == b.density &&
           a.sizing == b.sizing && a.shape == b.shape &&
           (a.shape != DuctShape::FixedSide || a.fixedSide == b.fixedSide) &&
           (a.shape != DuctShape::AspectRatio || a.aspectRatio == b.aspectRatio);
}

bool SamePipeConditions(const losssheet::PipeConditions &a, const losssheet::PipeConditions &b)
{
    return a.material == b.material && a.temperature == b.temperature &&
           a.roughness == b.roughness && a.density == b.density && a.sizing == b.sizing &&
           a.staticHead == b.staticHead && a.terminalPressure == b.terminalPressure;
}

} // namespace

bool SameSystem(const System &a, const System &b)
{
    if (a.kind != b.kind || a.name != b.name || a.marginPercent != b.marginPercent ||
        a.severalRootsAllowed != b.severalRootsAllowed || a.kept != b.kept)
        return false;
    const bool conditions = a.kind == losssheet::SystemKind::Duct
                                ? SameDuctConditions(a.duct, b.duct)
                                : SamePipeConditions(a.pipe, b.pipe);
    return conditions && std::equal(a.sections.begin(), a.sections.end(), b.sections.begin(),
                                    b.sections.end(), [&a](const Section &x, const Section &y) {
                                        return SameSection(x, y, a.kind);
                                    });
}

bool Document::operator==(const Document &other) const
{
    return title == other.title && charts == other.charts && kept == other.kept &&
           std::equal(systems.begin(), systems.end(), other.systems.begin(), other.systems.end(),
                      SameSystem);
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
