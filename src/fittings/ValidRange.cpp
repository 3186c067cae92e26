#include "fittings/ValidRange.h"

#include "numeric/NumberText.h"

#include <cmath>

namespace fittings {

namespace {

std::string number(long double value)
{
    return numeric::FormatGeneral(value, 6);
}

} // namespace

bool ValidRange::contains(long double value) const
{
    const bool aboveLow = lowOpen ? value > low : value >= low;
    const bool belowHigh = highOpen ? value < high : value <= high;
    return aboveLow && belowHigh;
}

std::string ValidRange::text(std::string_view quantity) const
{
    const std::string name(quantity);
    const bool hasLow = std::isfinite(low);
    const bool hasHigh = std::isfinite(high);
    if (hasLow && hasHigh) {
        return number(low) + (lowOpen ? " < " : " ≤ ") + name + (highOpen ? " < " : " ≤ ") +
               number(high);
    }
    if (hasLow)
        return name + (lowOpen ? " > " : " ≥ ") + number(low);
    if (hasHigh)
        return name + (highOpen ? " < " : " ≤ ") + number(high);
    return name;
}

void CheckRange(std::vector<std::string> &warnings, std::string_view quantity, long double value,
                const ValidRange &range)
{
    if (range.contains(value))
        return;
    warnings.push_back(std::string(quantity) + " = " + numeric::FormatGeneral(value, 4) +
                       " は式の適用範囲（" + range.text(quantity) + "）の外です。");
}

InvalidInput::InvalidInput(std::string_view quantity, const ValidRange &domain)
    : numeric::Failure(domain.text(quantity) + " でなければ計算できません。")
{
}

void Require(std::string_view quantity, long double value, const ValidRange &domain)
{
    if (!domain.contains(value))
        throw InvalidInput(quantity, domain);
}

long double Finite(long double value)
{
    if (std::isnan(value))
        throw numeric::FloatingPointFault(numeric::FloatingPointFault::Kind::InvalidOperation);
    if (std::isinf(value))
        throw numeric::FloatingPointFault(numeric::FloatingPointFault::Kind::Overflow);
    return value;
}

} // namespace fittings
