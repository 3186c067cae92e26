#include "flow/FlowMedium.h"

namespace flow {

bool IsAirFlow = true;
std::int32_t FlowTimeDivisor = 3600;

void SelectFlowMedium(int activePageIndex)
{
    switch (activePageIndex) {
    case DuctPageIndex:
    case OutletPageIndex:
        IsAirFlow = true;
        FlowTimeDivisor = 3600;
        break;
    case PipePageIndex:
        IsAirFlow = false;
        FlowTimeDivisor = 60;
        break;
    default:
        break;
    }
}

ScopedFlowMedium::ScopedFlowMedium(int activePageIndex)
    : savedIsAirFlow_(IsAirFlow), savedTimeDivisor_(FlowTimeDivisor)
{
    SelectFlowMedium(activePageIndex);
}

ScopedFlowMedium::~ScopedFlowMedium()
{
    IsAirFlow = savedIsAirFlow_;
    FlowTimeDivisor = savedTimeDivisor_;
}

} // namespace flow
