#include "chart/LabelPlacer.h"

namespace chart {

Rect BoxBeside(Pixel a, double w, double h, Side side, double gap)
{
    switch (side) {
    case Side::Above:
        return {a.x - w / 2, a.y - gap - h, w, h};
    case Side::Below:
        return {a.x - w / 2, a.y + gap, w, h};
    case Side::Left:
        return {a.x - gap - w, a.y - h / 2, w, h};
    case Side::Right:
        return {a.x + gap, a.y - h / 2, w, h};
    case Side::AboveLeft:
        return {a.x - gap - w, a.y - gap - h, w, h};
    case Side::AboveRight:
        return {a.x + gap, a.y - gap - h, w, h};
    case Side::BelowLeft:
        return {a.x - gap - w, a.y + gap, w, h};
    case Side::BelowRight:
        return {a.x + gap, a.y + gap, w, h};
    case Side::Centre:
        break;
    }
    return {a.x - w / 2, a.y - h / 2, w, h};
}

std::optional<Rect> LabelPlacer::place(Pixel anchor, double width, double height, Side side,
                                       double gap)
{
    const Rect box = BoxBeside(anchor, width, height, side, gap);
    if (box.left < bounds_.left || box.top < bounds_.top || box.right() > bounds_.right() ||
        box.bottom() > bounds_.bottom())
        return std::nullopt;
    for (const Rect &r : placed_) {
        if (r.intersects(box))
            return std::nullopt;
    }
    placed_.push_back(box);
    return box;
}

} // namespace chart
