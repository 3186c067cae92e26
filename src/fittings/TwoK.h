#pragma once

#include "fittings/Coefficient.h"

#include <span>
#include <string_view>

// Hooper's 2-K method: K = K₁/Re + K∞ (1 + 1/D), D the ACTUAL inner diameter
// in inches; K on the pipe's velocity. Hooper, "The two-K method predicts
// head losses in pipe fittings", Chem. Eng. 88(17):96–100 (1981), Table 1.
namespace fittings {

struct TwoKRow
{
    std::string_view name;
    long double k1;
    long double kInfinity;
    // Set where the published transcriptions of the table disagree.
    std::string_view caution;
};

// The 32 rows, in the order of the table.
std::span<const TwoKRow> TwoKRows();

// Adds the row's caution, if any, to the warnings.
Coefficient TwoK(const TwoKRow &row, long double reynolds, long double innerInches);

} // namespace fittings
