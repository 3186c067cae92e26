#pragma once

#include "numeric/Failure.h"

// A failure the evaluator finds in the expression itself: a fixed text
// followed directly by the part of the expression where it was found.
class EEValError : public num::Failure
{
public:
    using num::Failure::Failure;
};
