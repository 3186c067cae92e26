#pragma once

#include "flow/DuctSizing.h"

// Rectangular duct sizing with a fixed ratio r of the long side a to the
// short side b, in the steps of the duct page: the short side goes up in 50 mm
// from 100 mm as the page's square search does, and the long side is r·b
// rounded up to 50 mm; so r = 1 sizes exactly the page's squares. The inputs'
// fixedSide is not read. sideA is the long side, sideB the short one; the
// texts take the forms of the page's square sizing.
namespace losssheet {

// Pressure-loss basis: the first such size whose friction loss is at most
// target / lossUnitFactor, or the first past the page's size limit.
void AspectRatioSizingByLoss(const flow::DuctSizingInputs &in, long double ratio,
                             flow::DuctSizingResult &out);

// Velocity basis: b = √(A/r) and a = r·b, each rounded up to 50 mm, A the area
// that carries the flow at the target velocity.
void AspectRatioSizingByVelocity(const flow::DuctSizingInputs &in, long double ratio,
                                 flow::DuctSizingResult &out);

} // namespace losssheet
