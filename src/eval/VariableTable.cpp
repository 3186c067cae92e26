#include "eval/VariableTable.h"

#include "eval/ExpressionText.h"

#include <utility>

namespace eval {

std::size_t VariableTable::indexOf(const std::string &upperName) const
{
    for (std::size_t i = 0; i < used_; ++i) {
        if (slots_[i].name == upperName)
            return i;
    }
    return Capacity;
}

std::optional<long double> VariableTable::find(std::string_view name) const
{
    const std::size_t i = indexOf(UpperCaseAscii(name));
    if (i == Capacity)
        return std::nullopt;
    return slots_[i].value;
}

bool VariableTable::assign(std::string_view name, long double value)
{
    std::string upperName = UpperCaseAscii(name);
    const std::size_t i = indexOf(upperName);
    if (i != Capacity) {
        slots_[i].value = value;
        return true;
    }
    if (full())
        return false;
    slots_[used_++] = Variable{std::move(upperName), value};
    return true;
}

VariableTable &SharedVariables()
{
    static VariableTable table;
    return table;
}

} // namespace eval
