#pragma once

#include "losssheet/Hydraulics.h"
#include "losssheet/Results.h"
#include "losssheet/SheetUnits.h"
#include "losssheet/System.h"

namespace losssheet {

// Computes a system: the tree of its sections, their flows, sizes and
// friction (exactly as the duct or pipe page would), their fittings, the
// losses section by section and from the fan or pump, the critical path, the
// terminals' surpluses and the result.
//
// A Calculator keeps what it sized for the next call, so recomputing after
// one edit sizes only the edited sections again. It is a plain value with no
// shared state: a window can keep one per system and run it on a worker
// thread with a copy of the system.
class Calculator
{
public:
    SystemResult compute(const System &system, UnitSystem units);

private:
    HydraulicsCache cache_;
};

// The same without keeping anything.
SystemResult Compute(const System &system, UnitSystem units);

} // namespace losssheet
