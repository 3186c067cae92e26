#include "fittings/Catalogue.h"

#include "fittings/CatalogueParts.h"
#include "numeric/Failure.h"

#include <cmath>

namespace fittings {

const std::vector<FittingType> &Catalogue()
{
    static const std::vector<FittingType> types = [] {
        std::vector<FittingType> all;
        parts::AddSectionFittings(all);
        parts::AddPipeTables(all);
        parts::AddUserEntries(all);
        return all;
    }();
    return types;
}

std::vector<const FittingType *> TypesFor(numeric::Medium medium)
{
    const Applies excluded = medium == numeric::Medium::Air ? Applies::Pipes : Applies::Ducts;
    std::vector<const FittingType *> list;
    for (const FittingType &t : Catalogue()) {
        if (t.applies != excluded)
            list.push_back(&t);
    }
    return list;
}

const FittingType *FindType(std::string_view id)
{
    for (const FittingType &t : Catalogue()) {
        if (t.id == id)
            return &t;
    }
    return nullptr;
}

std::optional<int> FindMethod(const FittingType &type, std::string_view id)
{
    for (std::size_t i = 0; i < type.methods.size(); ++i) {
        if (type.methods[i].id == id)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

int DefaultMethod(const FittingType &type, numeric::Medium medium)
{
    return medium == numeric::Medium::Air ? type.ductMethod : type.pipeMethod;
}

Coefficient Evaluate(const Method &method, std::span<const long double> values,
                     const Situation &situation)
{
    if (method.evaluate == nullptr || values.size() != method.parameters.size())
        throw numeric::RangeError();
    for (std::size_t i = 0; i < values.size(); ++i) {
        const Parameter &p = method.parameters[i];
        if (p.quantity != Quantity::Choice)
            continue;
        const long double v = values[i];
        const auto count = static_cast<long double>(p.choices.size());
        if (!(v >= 0 && v < count && std::floor(v) == v))
            throw InvalidInput(p.name, {0, count - 1});
    }
    return method.evaluate(values, situation);
}

} // namespace fittings
