#pragma once

#include "losssheet/System.h"

// The loss-sheet benchmarks' system: a supply main of 100 sections, each
// feeding four outlets (500 sections, 400 terminals), every size left to the
// sizing rule; the main with a straight-passage tee and an elbow, each outlet
// with a branch tee, an elbow, a damper's ζ and the outlet as equipment.
namespace bench {

losssheet::System FiveHundredSections();

} // namespace bench
