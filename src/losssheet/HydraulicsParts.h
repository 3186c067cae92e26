#pragma once

#include "losssheet/Hydraulics.h"

// The two halves of ComputeHydraulics (used by Hydraulics.cpp alone). Each
// throws numeric::Failure for what the page's routine refuses, and sets
// `problem` for what the sheet can say more precisely.
namespace losssheet::parts {

void DuctHydraulics(const HydraulicInputs &in, Hydraulics &out);
void PipeHydraulics(const HydraulicInputs &in, Hydraulics &out);

} // namespace losssheet::parts
