#pragma once

#include "document/JsonValue.h"
#include "losssheet/SheetUnits.h"
#include "losssheet/System.h"

#include <cstddef>

namespace document {

// The loss-sheet system of the file's `index`th (from 0) system object, its
// sizing target per metre in `units`; throws a ReadError
// (document/MemberReader.h) at the first problem.
losssheet::System ReadSystem(const json::Value &value, std::size_t index,
                             losssheet::UnitSystem units);

} // namespace document
