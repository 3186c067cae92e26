#pragma once

#include "numeric/Failure.h"

namespace air {

// The wet-bulb search was refused because it would need more grid steps than
// MaxWetBulbSteps: the dry bulb lies far above anything the model covers.
// No state is returned; the page shows the message as a warning.
class SearchLimitExceeded : public numeric::Failure
{
public:
    SearchLimitExceeded();
};

} // namespace air
