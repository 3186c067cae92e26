#pragma once

#include "document/Document.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace document {

// A Diagram gives its points and processes ids in the order they are added,
// and a producing process adds its point at the end of the list. So a chart
// is built by walking its points: a point of the user's is added, and a
// produced point is reached by adding the processes up to the one producing
// it. The chart's order is then the Diagram's, and every process finds its
// points already there.
struct BuildStep
{
    bool process = false; // a process (with its point) or a point of the user's
    std::size_t index = 0;
};

struct OrderFault
{
    enum class Kind {
        MissingPoint,    // a process uses a point the chart does not have
        LaterPoint,      // … or one that comes after it
        NotProduced,     // a point without a definition that no process produces
        ProducedIsTyped, // a process's output is a point of the user's
        OutputNotListed, // a process's output is not in the points
        OutputOrder,     // produced points out of their processes' order
        DuplicateId,     // two points with one id
        OutputTwice,     // two processes producing one point
    };
    Kind kind = Kind::MissingPoint;
    std::size_t index = 0; // the process, or the point for the point faults
    // The member at fault (from, to, output) and the point id it names.
    const char *member = "";
    int pointId = 0;
};

struct BuildOrder
{
    std::vector<BuildStep> steps;
    // The first fault, if any; the steps are then every point of the user's
    // followed by every process, so that a chart made by hand still builds.
    std::optional<OrderFault> fault;
};

BuildOrder OrderOf(const Chart &chart);

} // namespace document
