#pragma once

#include "losssheet/System.h"

#include <string>
#include <string_view>

namespace losssheet {

// The form in which names are matched: full-width letters and digits as
// their ASCII forms, blanks (and ideographic spaces) around removed, so that
// an upstream typed "１" or " 1 " finds the section named "1".
std::string NameKey(std::string_view name);

// The name a new section gets: the next whole number after the largest
// whole-number name of the system ("1" for the first).
std::string NextSectionName(const System &system);

} // namespace losssheet
