#pragma once

#include "losssheet/Results.h"
#include "losssheet/System.h"

#include <vector>

namespace losssheet {

// The critical path (the terminal with the largest loss from the fan or
// pump, the first in row order among equals), its losses, the margin and the
// result, and every terminal's surplus. Marks the critical path's sections.
Summary Summarize(const System &system, std::vector<SectionResult> &sections);

} // namespace losssheet
