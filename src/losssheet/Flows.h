#pragma once

#include "losssheet/System.h"
#include "losssheet/Tree.h"

#include <optional>
#include <string>
#include <vector>

namespace losssheet {

struct SectionFlow
{
    std::optional<long double> flow;
    bool fromBranches = false; // blank, and the sum of the downstream sections
    std::string problem;
};

// Each section's flow: as typed, or, left blank on a section with downstream
// sections, their sum. A typed flow must be positive.
std::vector<SectionFlow> DeriveFlows(const System &system, const Tree &tree);

} // namespace losssheet
