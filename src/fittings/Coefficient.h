#pragma once

#include <string>
#include <vector>

// Loss coefficients of duct and pipe fittings. Every coefficient ζ (= K) is
// the loss in velocity pressures of one stated section:
//   Δp = ζ · ρ v_ref² / 2,
// and is meaningless without that section, so each carries its Reference.
// A fitting adds only its local loss: the straight run is measured along the
// centre line through the fittings, except where a method says it includes
// the friction of its own length.
namespace fittings {

// Whose mean velocity v_ref is.
enum class Reference {
    Own,       // the duct or pipe the fitting stands in
    SmallSide, // the smaller of the two sections a change of size joins
    Combined,  // the combined-flow leg of a tee: the main before a divider, after a junction
};

// A coefficient, with what the formula said about its inputs: each input
// outside the range the formula holds for is named in a warning, and the
// formula is still evaluated with the value as given (never clamped).
struct Coefficient
{
    long double value = 0;
    Reference reference = Reference::Own;
    std::vector<std::string> warnings; // Japanese, one sentence each
};

} // namespace fittings
