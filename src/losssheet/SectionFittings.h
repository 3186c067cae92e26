#pragma once

#include "losssheet/Hydraulics.h"
#include "losssheet/Results.h"
#include "losssheet/System.h"

#include <optional>
#include <string>
#include <vector>

namespace losssheet {

// A section as its fittings see it: its flow and hydraulics.
struct Leg
{
    long double flow = 0;
    const Hydraulics *hydraulics = {};
};

// Where a section's fittings stand: the section itself, its upstream section
// (a tee's combined-flow leg, the other side of a change of size) and the
// upstream section's other downstream sections (a tee's other passage).
struct Surroundings
{
    SystemKind kind = SystemKind::Duct;
    Leg own;
    std::optional<Leg> upstream;
    bool upstreamUnknown = false; // there is one, but it could not be computed
    std::vector<Leg> siblings;
    long double straightLoss = 0; // R·L, Pa
};

struct SectionFittingsResult
{
    std::vector<FittingResult> fittings;
    long double sumZeta = 0;          // on the section's own velocity
    long double equivalentLength = 0; // pipes, m
    long double fittingLoss = 0;      // Pa
    long double equipmentLoss = 0;    // Pa
    std::string problem;              // the first fitting's problem, named
    std::vector<std::string> warnings;
};

// Each fitting's coefficient, referred to the section's own velocity, and the
// section's fitting and equipment losses. A parameter left blank comes from
// the surroundings where its kind allows, else from its default.
SectionFittingsResult EvaluateFittings(const std::vector<Fitting> &fittings,
                                       const Surroundings &around);

} // namespace losssheet
