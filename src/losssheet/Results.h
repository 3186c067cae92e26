#pragma once

#include "fittings/Catalogue.h"
#include "numeric/ShownValue.h"

#include <optional>
#include <string>
#include <vector>

// What the loss sheet computed for a system. Pressures are Pa, flows m³/h or
// L/min, sizes mm, velocities m/s. A value is empty where it could not be
// computed; the row's `problem` then says why.
namespace losssheet {

struct FittingResult
{
    const fittings::FittingType *type = {};
    const fittings::Method *method = {};
    std::vector<long double> values; // each parameter as used: typed, default or from the tree
    std::vector<bool> fromTree;      // which of them the tree gave
    std::optional<long double> zeta; // one fitting's ζ on the velocity its method names
    // ζ·count on the section's own velocity.
    std::optional<long double> sectionZeta;
    // Pipes: the equivalent length of count fittings, m (a user's, or K·D/λ).
    std::optional<long double> equivalentLength;
    std::optional<long double> loss; // of count fittings, Pa
    std::vector<std::string> warnings;
    std::string problem;
};

struct SectionResult
{
    std::string problem; // the row's reason; empty when the row is complete
    std::vector<std::string> warnings;

    int parent = -1; // the upstream section, -1 at the start (or when it has none)
    std::vector<int> children;
    bool connected = false; // linked through to the fan or pump

    std::optional<long double> flow;
    bool flowFromBranches = false; // the sum of the downstream sections

    bool sized = false;              // the size came from the system's rule
    std::optional<std::string> size; // "500×300", "φ300", or a pipe's nominal size "50"
    std::optional<long double> equivalentDiameter; // round: the diameter; pipe: the inner one, mm
    std::optional<long double> area;               // m²
    std::optional<long double> velocity;           // mean velocity in the section
    std::optional<long double> dynamicPressure;    // ρv²/2
    std::optional<long double> lossPerMetre;       // R, Pa/m
    std::optional<long double> reynolds;
    std::optional<long double> frictionFactor;
    // The duct or pipe page's own texts of velocity and loss for these inputs,
    // with the page's decimals and loss unit.
    std::optional<numeric::ShownValue> pageVelocity;
    std::optional<numeric::ShownValue> pageLoss;

    std::optional<long double> straightLoss;     // R·L
    std::optional<long double> sumZeta;          // on the section's own velocity
    std::optional<long double> equivalentLength; // pipes: Σ of the fittings', m
    std::optional<long double> fittingLoss;      // Σζ·ρv²/2 + equivalent lengths + shares
    std::optional<long double> equipmentLoss;
    std::optional<long double> sectionLoss;
    std::optional<long double> cumulative; // from the fan or pump to the section's end
    std::vector<FittingResult> fittings;

    bool onCriticalPath = false;
};

struct Terminal
{
    int section = -1;
    std::optional<long double> pathLoss; // the section's cumulative loss
    // Critical path loss − this path's: what its damper or valve must take up.
    std::optional<long double> surplus;
};

struct Summary
{
    std::vector<int> criticalPath; // from the fan or pump to the index terminal
    // Along the critical path, Pa.
    std::optional<long double> friction;
    std::optional<long double> fittings;
    std::optional<long double> equipment;
    std::optional<long double> systemLoss;
    long double margin = 0; // a fraction: 0.1 for 10 %
    // Ducts: the fan's required static pressure = system loss × (1 + margin).
    // Pipes: the pump's total head = (static head + friction + fittings +
    // equipment + terminal pressure) × (1 + margin), in Pa; as a head in m
    // it is that over PascalsPerMetreHead().
    std::optional<long double> required;
    long double staticHead = 0;       // pipes, Pa
    long double terminalPressure = 0; // pipes, Pa
    std::vector<Terminal> terminals;  // every section without downstream sections, in row order
    int sectionsWithProblems = 0;
    std::vector<std::string> problems; // of the system as a whole
};

struct SystemResult
{
    std::vector<SectionResult> sections; // in the order of the system's sections
    Summary summary;
};

} // namespace losssheet
