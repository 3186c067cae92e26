#pragma once

#include "losssheet/SheetUnits.h"
#include "losssheet/System.h"
#include "numeric/ShownValue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace losssheet {

// Everything a section's own size, velocity and friction depend on, and
// nothing else: the key of HydraulicsCache.
struct HydraulicInputs
{
    SystemKind kind = SystemKind::Duct;
    UnitSystem units = UnitSystem::Conventional;
    long double flow = 0;
    std::string size; // as typed
    long double roughness = 0;
    long double density = 0;
    SizingRule sizing;
    DuctShape shape = DuctShape::Square;
    long double fixedSide = 0;
    long double aspectRatio = 1;

    bool operator==(const HydraulicInputs &) const = default;
};

// A section's size and flow through it, computed with the duct or pipe
// page's own routines: the page's sizing for a blank size, its loss section
// for a typed one, with the same inputs, unit factor and medium.
struct Hydraulics
{
    std::string problem; // empty when everything below is set
    std::vector<std::string> warnings;
    bool sized = false;
    std::string sizeText;
    long double equivalentDiameter = 0;      // mm: round or pipe inner diameter, or Huebscher's
    long double area = 0;                    // m²
    long double velocity = 0;                // m/s, through the section's own area
    long double dynamicPressure = 0;         // ρv²/2, Pa
    long double lossPerMetre = 0;            // R, Pa/m
    long double reynolds = 0;                // of the friction model
    long double frictionFactor = 0;          // λ of the friction model
    std::optional<std::int32_t> nominalSize; // pipes
    numeric::ShownValue pageVelocity;        // the page's texts
    numeric::ShownValue pageLoss;
};

Hydraulics ComputeHydraulics(const HydraulicInputs &in);

// Keeps the hydraulics of the last calculations, so that after an edit only
// the sections whose inputs changed are sized and computed again (sizing is
// a search, the rest of the sheet simple arithmetic).
class HydraulicsCache
{
public:
    const Hydraulics &get(const HydraulicInputs &in);
    // Forgets what the calculation just finished did not ask for.
    void endCalculation();
    std::size_t size() const;

private:
    struct Hash
    {
        std::size_t operator()(const HydraulicInputs &in) const;
    };
    struct Entry
    {
        Hydraulics value;
        std::uint64_t used = 0;
    };
    std::unordered_map<HydraulicInputs, Entry, Hash> entries_;
    std::uint64_t calculation_ = 1;
};

} // namespace losssheet
