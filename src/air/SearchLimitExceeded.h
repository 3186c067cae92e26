#pragma once

#include "numeric/Failure.h"

namespace air {

// The warning of the moist-air model when a temperature leaves the range it
// covers.
inline constexpr char OutOfRangeMessage[] = "数値が範囲外です！";

// The wet-bulb search was refused because it would need more grid steps than
// MaxWetBulbSteps: the dry bulb lies far above anything the model covers.
// No state is returned; the page shows the message as a warning.
class SearchLimitExceeded : public numeric::Failure
{
public:
    SearchLimitExceeded() : numeric::Failure(OutOfRangeMessage) {}
};

} // namespace air
