#include "document/FittingInputs.h"

#include "document/DocumentFormat.h"

namespace document {

const fittings::Method *MethodOf(const losssheet::Fitting &fitting, losssheet::SystemKind kind)
{
    const fittings::FittingType *type = fittings::FindType(fitting.type);
    if (!type)
        return nullptr;
    const numeric::Medium medium =
        kind == losssheet::SystemKind::Duct ? numeric::Medium::Air : numeric::Medium::Water;
    const std::optional<int> index = fitting.method.empty()
                                         ? fittings::DefaultMethod(*type, medium)
                                         : fittings::FindMethod(*type, fitting.method);
    return index ? &type->methods[static_cast<std::size_t>(*index)] : nullptr;
}

std::vector<std::string_view> FittingMembers(const fittings::Method &method)
{
    std::vector<std::string_view> names(std::begin(format::FittingKindMembers),
                                        std::end(format::FittingKindMembers));
    for (const fittings::Parameter &p : method.parameters)
        names.push_back(p.id);
    names.insert(names.end(), std::begin(format::FittingEndMembers),
                 std::end(format::FittingEndMembers));
    return names;
}

Limits InputLimits(fittings::Quantity quantity, losssheet::SystemKind kind)
{
    using fittings::Quantity;
    switch (quantity) {
    case Quantity::Angle:
        return limits::Angle;
    case Quantity::Pressure:
        return limits::Pascals;
    case Quantity::Flow:
        return FlowLimits(kind);
    case Quantity::Length:
        return limits::Length;
    case Quantity::Percent:
        return limits::Percent;
    case Quantity::Ratio:
    case Quantity::Zeta:
    case Quantity::Choice:
        break;
    }
    return limits::Ratio;
}

Limits FlowLimits(losssheet::SystemKind kind)
{
    return kind == losssheet::SystemKind::Duct ? limits::DuctFlow : limits::WaterFlow;
}

} // namespace document
