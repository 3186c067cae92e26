#include "air/SearchLimitExceeded.h"

#include "air/AirTexts.h"

namespace air {

SearchLimitExceeded::SearchLimitExceeded() : numeric::Failure(texts::OutOfRange) {}

} // namespace air
