#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace eval {

// The named variables of the evaluator: 101 slots taken in order from the
// first. Names are kept with their ASCII letters upper-cased, so look-up
// ignores their case; a name is never removed, so the used slots are always
// one run at the start.
class VariableTable
{
public:
    static constexpr std::size_t Capacity = 101;

    // The value last stored under `name` (any case), or nothing.
    std::optional<long double> find(std::string_view name) const;

    // Stores `value` under `name`: a name already in the table gets the new
    // value, a new name takes the first free slot. Returns false, and stores
    // nothing, when the name is new and every slot is taken.
    bool assign(std::string_view name, long double value);

    std::size_t size() const { return used_; }
    bool full() const { return used_ == Capacity; }

private:
    struct Variable
    {
        std::string name;
        long double value = 0.0L;
    };

    // Index of the slot holding `upperName`, or Capacity when none does.
    std::size_t indexOf(const std::string &upperName) const;

    std::array<Variable, Capacity> slots_{};
    std::size_t used_ = 0;
};

// The one table that every field of every page shares for the whole run; it
// is never cleared and never saved.
VariableTable &SharedVariables();

} // namespace eval
