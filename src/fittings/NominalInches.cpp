#include "fittings/NominalInches.h"

#include <array>

namespace fittings {

namespace {

struct Designation
{
    std::int32_t a;
    long double b;
};

constexpr std::array<Designation, 16> Table{{
    {15, 0.5L},
    {20, 0.75L},
    {25, 1},
    {32, 1.25L},
    {40, 1.5L},
    {50, 2},
    {65, 2.5L},
    {80, 3},
    {100, 4},
    {125, 5},
    {150, 6},
    {200, 8},
    {250, 10},
    {300, 12},
    {350, 14},
    {400, 16},
}};

} // namespace

InchSize NominalInches(std::int32_t nominalSize)
{
    for (const Designation &d : Table) {
        if (d.a == nominalSize)
            return {d.b, true};
    }
    return {static_cast<long double>(nominalSize) / 25.4L, false};
}

} // namespace fittings
