#include "document/SystemRead.h"

#include "document/DocumentFormat.h"
#include "document/DocumentTexts.h"
#include "document/FittingInputs.h"
#include "document/KeptText.h"
#include "document/MemberReader.h"
#include "document/NumberText.h"
#include "flow/DuctMaterials.h"
#include "pipe/PipeTables.h"

namespace document {

namespace {

using losssheet::SystemKind;
using losssheet::UnitSystem;

std::string Number(std::size_t index)
{
    return std::to_string(index + 1);
}

// A row of a table: its index, checked against the table.
std::optional<long double> Row(const MemberReader &r, const fittings::Parameter &p)
{
    if (!r.has(p.id))
        return std::nullopt;
    return r.index(p.id, static_cast<int>(p.choices.size()), 0);
}

losssheet::Fitting ReadFitting(const json::Value &value, const std::string &where, SystemKind kind)
{
    losssheet::Fitting f;
    const MemberReader head(value, where, format::FittingKindMembers);
    const json::Value &type = head.required("type");
    if (!type.isString())
        head.wrongType("type", texts::String);
    f.type = type.text;
    f.method = head.string("method");
    const fittings::Method *method = MethodOf(f, kind);
    if (!method) {
        // A kind or method of a later version: kept as it is, shown by the
        // sheet as one it does not know.
        f.kept = AsText(head.kept());
        return f;
    }
    const std::vector<std::string_view> members = FittingMembers(*method);
    const MemberReader r(value, where, members);
    for (const fittings::Parameter &p : method->parameters) {
        f.values.push_back(p.quantity == fittings::Quantity::Choice
                               ? Row(r, p)
                               : r.optionalQuantity(p.id, InputLimits(p.quantity, kind)));
    }
    while (!f.values.empty() && !f.values.back())
        f.values.pop_back();
    f.count = r.optionalQuantity("count", limits::Ratio).value_or(f.count);
    f.note = r.string("note");
    f.kept = AsText(r.kept());
    return f;
}

losssheet::Section ReadSection(const json::Value &value, std::size_t system, std::size_t index,
                               SystemKind kind)
{
    const MemberReader r(value, texts::Fill(texts::InSection, {Number(system), Number(index)}),
                         format::SectionMembers);
    losssheet::Section s;
    s.name = r.string("name");
    s.upstream = r.string("upstream");
    s.flow = r.optionalQuantity("flow", FlowLimits(kind));
    s.size = r.string("size");
    s.length = r.optionalQuantity("length", limits::Length).value_or(s.length);
    const json::Value &fittings = r.array("fittings");
    for (std::size_t i = 0; i < fittings.items.size(); ++i) {
        s.fittings.push_back(ReadFitting(
            fittings.items[i],
            texts::Fill(texts::InFitting, {Number(system), Number(index), Number(i)}), kind));
    }
    s.kept = AsText(r.kept());
    return s;
}

// The sizing rule, its target per metre converted from the unit it was saved
// in to `units`, as the window converts it when the units switch.
losssheet::SizingRule ReadSizing(const MemberReader &r, const losssheet::SizingRule &fallback,
                                 UnitSystem units)
{
    using losssheet::SizingBasis;
    losssheet::SizingRule rule;
    rule.basis = static_cast<SizingBasis>(
        r.choice("sizing", format::SizingBasisNames, static_cast<std::size_t>(fallback.basis)));
    if (rule.basis == SizingBasis::Velocity) {
        rule.target = r.optionalQuantity("sizingTarget", limits::Velocity);
        return rule;
    }
    const auto saved = static_cast<UnitSystem>(r.choice("sizingUnit", format::LossUnitNames, 0));
    rule.target = r.optionalQuantity("sizingTarget", limits::LossPerMetre[static_cast<int>(saved)]);
    if (rule.target && saved != units) {
        *rule.target =
            *rule.target / losssheet::LossUnitFactor(saved) * losssheet::LossUnitFactor(units);
        const Limits &limits = limits::LossPerMetre[static_cast<int>(units)];
        if (!Within(*rule.target, limits))
            r.fail(texts::Fill(texts::OutOfRange,
                               {r.where(), "sizingTarget", r.find("sizingTarget")->text,
                                NumberText(limits.low), NumberText(limits.high), limits.unit}),
                   r.find("sizingTarget"));
    }
    return rule;
}

void ReadDuctConditions(const MemberReader &r, losssheet::DuctConditions &c, UnitSystem units)
{
    using losssheet::DuctShape;
    c.material = r.index("material", flow::DuctMaterialCount, c.material);
    c.roughness = r.optionalQuantity("roughness", limits::Roughness).value_or(c.roughness);
    c.density = r.optionalQuantity("density", limits::Density).value_or(c.density);
    c.sizing = ReadSizing(r, c.sizing, units);
    c.shape = static_cast<DuctShape>(
        r.choice("shape", format::DuctShapeNames, static_cast<std::size_t>(c.shape)));
    if (c.shape == DuctShape::FixedSide)
        c.fixedSide = r.optionalQuantity("fixedSide", limits::Size).value_or(c.fixedSide);
    else if (c.shape == DuctShape::AspectRatio)
        c.aspectRatio = r.optionalQuantity("aspectRatio", limits::Ratio).value_or(c.aspectRatio);
}

void ReadPipeConditions(const MemberReader &r, losssheet::PipeConditions &c, UnitSystem units)
{
    c.material = r.index("material", pipes::PipeMaterialCount, c.material);
    c.temperature = r.index("temperature", pipes::WaterTemperatureCount, c.temperature);
    c.roughness = r.optionalQuantity("roughness", limits::Roughness).value_or(c.roughness);
    c.density = r.optionalQuantity("density", limits::Density).value_or(c.density);
    c.sizing = ReadSizing(r, c.sizing, units);
    c.staticHead = r.optionalQuantity("staticHead", limits::Head).value_or(c.staticHead);
    c.terminalPressure =
        r.optionalQuantity("terminalPressure", limits::Kilopascals).value_or(c.terminalPressure);
}

} // namespace

losssheet::System ReadSystem(const json::Value &value, std::size_t index, UnitSystem units)
{
    const MemberReader r(value, texts::Fill(texts::InSystem, {Number(index)}),
                         format::SystemMembers);
    losssheet::System s;
    s.kind = static_cast<SystemKind>(r.choice("kind", format::SystemKindNames, 0));
    s.name = r.string("name");
    if (s.kind == SystemKind::Duct)
        ReadDuctConditions(r, s.duct, units);
    else
        ReadPipeConditions(r, s.pipe, units);
    s.marginPercent = r.optionalQuantity("margin", limits::Percent).value_or(s.marginPercent);
    s.severalRootsAllowed = r.flag("severalRootsAllowed", s.severalRootsAllowed);
    const json::Value &sections = r.array("sections");
    for (std::size_t i = 0; i < sections.items.size(); ++i)
        s.sections.push_back(ReadSection(sections.items[i], index, i, s.kind));
    s.kept = AsText(r.kept());
    return s;
}

} // namespace document
