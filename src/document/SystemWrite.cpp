#include "document/SystemWrite.h"

#include "document/Compose.h"
#include "document/DocumentFormat.h"
#include "document/DocumentTexts.h"
#include "document/FittingInputs.h"
#include "document/KeptText.h"
#include "document/MemberReader.h"

namespace document {

namespace {

using json::Member;
using json::Value;
using losssheet::SystemKind;

std::string Number(std::size_t index)
{
    return std::to_string(index + 1);
}

template <typename Names, typename Enum> Value Name(const Names &names, Enum e)
{
    return Value::String(std::string(names[static_cast<std::size_t>(e)]));
}

Value ComposeFitting(const losssheet::Fitting &f, const std::string &where, SystemKind kind)
{
    std::vector<Member> m{{"type", Value::String(f.type)}};
    if (!f.method.empty())
        m.push_back({"method", Value::String(f.method)});
    const fittings::Method *method = MethodOf(f, kind);
    if (!method)
        return Compose(format::FittingKindMembers, std::move(m), FromText(f.kept, where));
    // Blanks at the end stand for nothing; a value beyond the inputs has no name.
    std::size_t given = f.values.size();
    while (given > 0 && !f.values[given - 1])
        --given;
    const std::size_t inputs = method->parameters.size();
    if (given > inputs) {
        throw ReadError{texts::Fill(texts::TooManyInputs, {where, std::to_string(given),
                                                           method->name, std::to_string(inputs)})};
    }
    for (std::size_t i = 0; i < given; ++i) {
        if (f.values[i])
            m.push_back({std::string(method->parameters[i].id), NumberValue(*f.values[i])});
    }
    m.push_back({"count", NumberValue(f.count)});
    if (!f.note.empty())
        m.push_back({"note", Value::String(f.note)});
    return Compose(FittingMembers(*method), std::move(m), FromText(f.kept, where));
}

Value ComposeSection(const losssheet::Section &s, std::size_t system, std::size_t index,
                     SystemKind kind)
{
    const std::string where = texts::Fill(texts::InSection, {Number(system), Number(index)});
    std::vector<Member> m;
    if (!s.name.empty())
        m.push_back({"name", Value::String(s.name)});
    if (!s.upstream.empty())
        m.push_back({"upstream", Value::String(s.upstream)});
    if (s.flow)
        m.push_back({"flow", NumberValue(*s.flow)});
    if (!s.size.empty())
        m.push_back({"size", Value::String(s.size)});
    m.push_back({"length", NumberValue(s.length)});
    Value fittings = Value::Array();
    for (std::size_t i = 0; i < s.fittings.size(); ++i) {
        fittings.items.push_back(ComposeFitting(
            s.fittings[i],
            texts::Fill(texts::InFitting, {Number(system), Number(index), Number(i)}), kind));
    }
    m.push_back({"fittings", std::move(fittings)});
    return Compose(format::SectionMembers, std::move(m), FromText(s.kept, where));
}

void AddSizing(const losssheet::SizingRule &rule, losssheet::UnitSystem units,
               std::vector<Member> &m)
{
    m.push_back({"sizing", Name(format::SizingBasisNames, rule.basis)});
    if (!rule.target)
        return;
    m.push_back({"sizingTarget", NumberValue(*rule.target)});
    if (rule.basis == losssheet::SizingBasis::Loss)
        m.push_back({"sizingUnit", Name(format::LossUnitNames, units)});
}

void AddDuctConditions(const losssheet::DuctConditions &c, losssheet::UnitSystem units,
                       std::vector<Member> &m)
{
    using losssheet::DuctShape;
    m.push_back({"material", NumberValue(c.material)});
    m.push_back({"roughness", NumberValue(c.roughness)});
    m.push_back({"density", NumberValue(c.density)});
    AddSizing(c.sizing, units, m);
    m.push_back({"shape", Name(format::DuctShapeNames, c.shape)});
    if (c.shape == DuctShape::FixedSide)
        m.push_back({"fixedSide", NumberValue(c.fixedSide)});
    else if (c.shape == DuctShape::AspectRatio)
        m.push_back({"aspectRatio", NumberValue(c.aspectRatio)});
}

void AddPipeConditions(const losssheet::PipeConditions &c, losssheet::UnitSystem units,
                       std::vector<Member> &m)
{
    m.push_back({"material", NumberValue(c.material)});
    m.push_back({"temperature", NumberValue(c.temperature)});
    m.push_back({"roughness", NumberValue(c.roughness)});
    m.push_back({"density", NumberValue(c.density)});
    AddSizing(c.sizing, units, m);
    m.push_back({"staticHead", NumberValue(c.staticHead)});
    m.push_back({"terminalPressure", NumberValue(c.terminalPressure)});
}

} // namespace

Value ComposeSystem(const losssheet::System &s, std::size_t index, losssheet::UnitSystem units)
{
    std::vector<Member> m{{"kind", Name(format::SystemKindNames, s.kind)},
                          {"name", Value::String(s.name)}};
    if (s.kind == SystemKind::Duct)
        AddDuctConditions(s.duct, units, m);
    else
        AddPipeConditions(s.pipe, units, m);
    m.push_back({"margin", NumberValue(s.marginPercent)});
    m.push_back({"severalRootsAllowed", Value::Boolean(s.severalRootsAllowed)});
    Value sections = Value::Array();
    for (std::size_t i = 0; i < s.sections.size(); ++i)
        sections.items.push_back(ComposeSection(s.sections[i], index, i, s.kind));
    m.push_back({"sections", std::move(sections)});
    return Compose(format::SystemMembers, std::move(m),
                   FromText(s.kept, texts::Fill(texts::InSystem, {Number(index)})));
}

} // namespace document
