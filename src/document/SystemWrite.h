#pragma once

#include "document/JsonValue.h"
#include "losssheet/SheetUnits.h"
#include "losssheet/System.h"

#include <cstddef>

namespace document {

// The file's object of the `index`th (from 0) system, its sizing target per
// metre in `units` and saying so: the members of its kind only, blanks
// absent. Throws a ReadError (document/MemberReader.h) for what has no place
// in the file: a fitting with more values than its method has inputs.
json::Value ComposeSystem(const losssheet::System &system, std::size_t index,
                          losssheet::UnitSystem units);

} // namespace document
