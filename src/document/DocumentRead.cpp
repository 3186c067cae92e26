#include "document/DocumentRead.h"

#include "document/BuildOrder.h"
#include "document/DocumentFormat.h"
#include "document/DocumentTexts.h"
#include "document/MemberReader.h"
#include "document/NumberText.h"
#include "document/SystemRead.h"

#include <set>

namespace document {

namespace {

using chart::ProcessKind;
namespace texts = document::texts;

std::string Where(const char *pattern, std::size_t chart, std::size_t item = 0)
{
    return texts::Fill(pattern, {std::to_string(chart + 1), std::to_string(item + 1)});
}

void CheckFormat(const json::Value &root)
{
    const json::Value *format = root.isObject() ? root.find("format") : nullptr;
    if (!format || !format->isString() || format->text != format::Name)
        throw ReadError{texts::NotADocument, format ? format->offset : root.offset};
    const json::Value *version = root.find("version");
    const std::optional<long long> n =
        version && version->isNumber() ? IntegerOf(version->text) : std::nullopt;
    if (!n || *n < 1)
        throw ReadError{texts::BadVersion, version ? version->offset : root.offset};
    if (*n > format::Version)
        throw ReadError{
            texts::Fill(texts::NewerVersion, {version->text, std::to_string(format::Version)}),
            version->offset};
}

TitleBlock ReadTitle(const json::Value *value)
{
    TitleBlock t;
    if (!value)
        return t;
    const MemberReader r(*value, texts::InTitle, format::TitleMembers);
    t.project = r.string("project");
    t.designer = r.string("designer");
    t.date = r.string("date");
    t.notes = r.string("notes");
    t.kept = r.kept();
    return t;
}

Limits GivenLimits(chart::Given given)
{
    switch (given) {
    case chart::Given::RelativeHumidity:
        return limits::RelativeHumidity;
    case chart::Given::HumidityRatio:
        return limits::HumidityRatio;
    case chart::Given::Enthalpy:
        return limits::Enthalpy;
    case chart::Given::WetBulb:
    case chart::Given::DewPoint:
        break;
    }
    return limits::Temperature;
}

Point ReadPoint(const MemberReader &r, bool produced)
{
    Point p;
    p.id = r.id("id");
    p.label = r.string("label");
    p.note = r.string("note");
    if (produced) {
        for (const std::string_view name : format::PointMembers) {
            const bool definitionMember = name != "id" && name != "label" && name != "note";
            if (definitionMember && r.has(name))
                r.fail(texts::Fill(texts::OutputWithDefinition, {r.where(), name}), r.find(name));
        }
    } else {
        chart::PointDefinition d;
        d.dryBulb = r.quantity("dryBulb", limits::Temperature);
        d.given = static_cast<chart::Given>(r.oneOf(format::GivenNames));
        d.value = r.quantity(format::GivenNames[static_cast<int>(d.given)], GivenLimits(d.given));
        p.definition = d;
        p.airflow = r.optionalQuantity("airflow", limits::Airflow);
    }
    p.kept = r.kept();
    return p;
}

Process ReadProcess(const MemberReader &r)
{
    Process p;
    chart::ProcessDefinition &d = p.definition;
    d.kind = static_cast<ProcessKind>(r.choice("kind", format::ProcessKindNames));
    d.from = r.id("from");
    if (chart::TakesSecondPoint(d.kind))
        d.to = r.id("to");
    switch (d.kind) {
    case ProcessKind::Coil: {
        d.value = r.quantity("apparatusDewPoint", limits::Temperature);
        static constexpr std::string_view ByBypass[] = {"bypassFactor", "leavingDryBulb"};
        d.coilByLeavingDryBulb = r.oneOf(ByBypass) == 1;
        d.second = d.coilByLeavingDryBulb ? r.quantity("leavingDryBulb", limits::Temperature)
                                          : r.quantity("bypassFactor", limits::Factor);
        break;
    }
    case ProcessKind::Heating:
        d.value = r.quantity("dryBulb", limits::Temperature);
        break;
    case ProcessKind::SteamHumidifier:
    case ProcessKind::SprayHumidifier: {
        static constexpr std::string_view Targets[] = {"relativeHumidity", "humidityRatio"};
        d.target = static_cast<air::HumidifyTarget>(r.oneOf(Targets));
        d.value = d.target == air::HumidifyTarget::HumidityRatio
                      ? r.quantity("humidityRatio", limits::HumidityRatio)
                      : r.quantity("relativeHumidity", limits::RelativeHumidity);
        break;
    }
    case ProcessKind::ShfLine:
        d.value = r.quantity("sensibleHeatFactor", limits::Factor);
        break;
    case ProcessKind::Change:
    case ProcessKind::Mixing:
        break;
    }
    if (chart::Produces(d.kind))
        p.output = r.id("output");
    else if (r.has("output"))
        r.fail(texts::Fill(texts::NoOutputForKind, {r.where()}), r.find("output"));
    p.kept = r.kept();
    return p;
}

// Turns a fault in the order of a chart's points and processes into its
// message, at the member it names.
[[noreturn]] void ThrowOrderFault(const OrderFault &f, std::size_t c, const json::Value &points,
                                  const json::Value &processes)
{
    using Kind = OrderFault::Kind;
    const bool atPoint = f.kind == Kind::NotProduced || f.kind == Kind::DuplicateId;
    const json::Value &item = atPoint ? points.items[f.index] : processes.items[f.index];
    const json::Value *at = item.find(f.member);
    const std::string where = Where(atPoint ? texts::InPoint : texts::InProcess, c, f.index);
    const std::string id = std::to_string(f.pointId);
    std::string message;
    switch (f.kind) {
    case Kind::MissingPoint:
        message = texts::Fill(texts::MissingPoint, {where, f.member, id});
        break;
    case Kind::LaterPoint:
        message = texts::Fill(texts::LaterPoint, {where, f.member, id});
        break;
    case Kind::NotProduced:
        message = texts::Fill(texts::Missing, {where, "dryBulb"});
        break;
    case Kind::ProducedIsTyped:
    case Kind::OutputTwice:
        message = texts::Fill(texts::OutputTwice, {where, id});
        break;
    case Kind::OutputNotListed:
        message = texts::Fill(texts::OutputNotProduced, {where, id});
        break;
    case Kind::OutputOrder:
        message = texts::Fill(texts::OutputOrder, {where});
        break;
    case Kind::DuplicateId:
        message = texts::Fill(texts::DuplicateId, {where, id});
        break;
    }
    throw ReadError{message, at ? at->offset : item.offset};
}

Chart ReadChart(const json::Value &value, std::size_t c)
{
    const MemberReader r(value, Where(texts::InChart, c), format::ChartMembers);
    Chart chart;
    chart.name = r.string("name");
    Atmosphere &a = chart.atmosphere;
    a.basis = static_cast<PressureBasis>(r.choice("atmosphere", format::PressureBasisNames, 0));
    if (a.basis == PressureBasis::Given)
        a.pressure = r.quantity("pressure", limits::Pressure);
    else if (a.basis == PressureBasis::Altitude)
        a.altitude = r.quantity("altitude", limits::Altitude);
    const chart::Ranges standard;
    const auto t =
        r.range("dryBulbRange", limits::Temperature, {standard.dryBulb.low, standard.dryBulb.high});
    const auto x = r.range("humidityRatioRange", limits::ViewHumidityRatio,
                           {standard.humidityRatio.low, standard.humidityRatio.high});
    chart.view = {{t.first, t.second}, {x.first, x.second}};

    // The processes first: whether a point is produced (and so has no
    // definition) depends on them.
    const json::Value &processes = r.array("processes");
    std::set<int> outputs;
    for (std::size_t j = 0; j < processes.items.size(); ++j) {
        const MemberReader pr(processes.items[j], Where(texts::InProcess, c, j),
                              format::ProcessMembers);
        chart.processes.push_back(ReadProcess(pr));
        const int output = chart.processes.back().output;
        if (output && !outputs.insert(output).second)
            pr.fail(texts::Fill(texts::OutputTwice, {pr.where(), std::to_string(output)}),
                    pr.find("output"));
    }
    const json::Value &points = r.array("points");
    for (std::size_t i = 0; i < points.items.size(); ++i) {
        const MemberReader pr(points.items[i], Where(texts::InPoint, c, i), format::PointMembers);
        chart.points.push_back(ReadPoint(pr, outputs.count(pr.id("id")) > 0));
    }
    if (const auto fault = OrderOf(chart).fault)
        ThrowOrderFault(*fault, c, points, processes);
    chart.kept = r.kept();
    return chart;
}

} // namespace

Document ReadDocument(const json::Value &root, losssheet::UnitSystem units)
{
    CheckFormat(root);
    const MemberReader r(root, texts::InDocument, format::DocumentMembers);
    Document d;
    d.title = ReadTitle(r.find("title"));
    const json::Value &charts = r.required("charts");
    if (!charts.isArray())
        r.wrongType("charts", texts::Array);
    for (std::size_t c = 0; c < charts.items.size(); ++c)
        d.charts.push_back(ReadChart(charts.items[c], c));
    const json::Value &systems = r.array("systems");
    for (std::size_t s = 0; s < systems.items.size(); ++s)
        d.systems.push_back(ReadSystem(systems.items[s], s, units));
    // Members before "version" go after it: the format and version come first.
    d.kept = r.kept("version");
    return d;
}

} // namespace document
