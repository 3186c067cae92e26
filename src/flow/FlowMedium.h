#pragma once

#include <cstdint>

namespace flow {

// The medium of the last calculation page visited, read by the flow model:
// true with flows in m³/h of air (duct and outlet pages), false with flows in
// L/min of water (pipe page).
extern bool IsAirFlow;
// Seconds per time unit of the flow: 3600 for m³/h, 60 for L/min.
extern std::int32_t FlowTimeDivisor;

// Indexes of the window's pages that decide the medium.
constexpr int DuctPageIndex = 0;
constexpr int OutletPageIndex = 1;
constexpr int PipePageIndex = 2;

// Sets the medium for the page now active: air for the duct and outlet pages,
// water for the pipe page; any other page keeps the medium of the last one.
void SelectFlowMedium(int activePageIndex);

// Selects the medium of a page for its lifetime and restores both flags after.
class ScopedFlowMedium
{
public:
    explicit ScopedFlowMedium(int activePageIndex);
    ~ScopedFlowMedium();
    ScopedFlowMedium(const ScopedFlowMedium &) = delete;
    ScopedFlowMedium &operator=(const ScopedFlowMedium &) = delete;

private:
    bool savedIsAirFlow_;
    std::int32_t savedTimeDivisor_;
};

} // namespace flow
