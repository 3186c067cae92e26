#pragma once

#include "losssheet/System.h"

#include <string>
#include <vector>

namespace losssheet {

// How the sections hang together: each names its upstream section, and
// blank names the fan or pump. Resolved in one pass over the names and one
// walk up the links, so any number of sections, loops and stray names take
// linear time.
struct Tree
{
    // The upstream section, -1 at the start and where the link is broken.
    std::vector<int> parent;
    std::vector<std::vector<int>> children; // in row order
    // Why a section's link is broken: an unknown upstream name, a loop, a
    // second start where one is allowed. Its downstream sections are then
    // cut off from the start too, but still linked to it.
    std::vector<std::string> problem;
    std::vector<std::string> warnings; // a duplicate name
    std::vector<bool> connected;       // linked through to an accepted start
    std::vector<int> order;            // every section, each after its upstream one
};

Tree BuildTree(const System &system);

} // namespace losssheet
