#pragma once

#include "chart/LineFamilies.h"
#include "chart/PlotMapping.h"

#include <optional>
#include <vector>

namespace chart {

// Places labels one at a time, each where it overlaps no label placed before
// it and stays inside the bounds; what finds no place is left out. The
// painter masks the lines under each placed label with the background, so a
// label is never crossed by a curve either.
class LabelPlacer
{
public:
    explicit LabelPlacer(const Rect &bounds) : bounds_(bounds) {}

    // Keeps this area free (a caption, a marker).
    void reserve(const Rect &area) { placed_.push_back(area); }

    // The box of a label of the given size at the anchor, gap pixels away on
    // `side`; empty when it would overlap or leave the bounds.
    std::optional<Rect> place(Pixel anchor, double width, double height, Side side, double gap);

    const std::vector<Rect> &placed() const { return placed_; }

private:
    Rect bounds_;
    std::vector<Rect> placed_;
};

// The box of a label of the given size beside the anchor.
Rect BoxBeside(Pixel anchor, double width, double height, Side side, double gap);

} // namespace chart
