#pragma once

#include "numeric/Failure.h"

namespace eval {

// A failure the evaluator finds in the expression itself: a fixed text
// followed directly by the part of the expression where it was found.
class EEValError : public numeric::Failure
{
public:
    using numeric::Failure::Failure;
};

} // namespace eval
