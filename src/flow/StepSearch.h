#pragma once

#include <cstdint>
#include <optional>

namespace flow {

// The first step k in 1..lastStep at which a step-by-step search would end,
// found with O(log k) calls of ends(k) instead of k of them.
//
// Step 1 is asked first. Beyond it, ends(k) must be false for every step
// before the first one that ends and true from there on, since the search
// asks about steps beyond the answer. The answer is confirmed against the step
// before it, and walked back should that one end too. Returns nothing when no
// step up to lastStep ends.
template <typename Ends>
std::optional<std::uint64_t> FirstEndingStep(std::uint64_t lastStep, Ends ends)
{
    if (lastStep == 0)
        return std::nullopt;
    // Gallop: double the step until one ends; lo never ends (0 stands for
    // "before the first step").
    std::uint64_t lo = 0;
    std::uint64_t hi = 1;
    while (!ends(hi)) {
        if (hi == lastStep)
            return std::nullopt;
        lo = hi;
        hi = hi > lastStep / 2 ? lastStep : hi * 2;
    }
    // Bisect between a step that does not end and one that does.
    while (hi - lo > 1) {
        const std::uint64_t mid = lo + (hi - lo) / 2;
        if (ends(mid))
            hi = mid;
        else
            lo = mid;
    }
    while (hi > 1 && ends(hi - 1))
        --hi;
    return hi;
}

} // namespace flow
