#pragma once

#include <cstdint>

namespace fittings {

// The inch size (JIS "B") of a nominal pipe size in mm (JIS "A").
struct InchSize
{
    long double inches = 0;
    // False where the designation table has no row for the size and the
    // inch size is the nominal size divided by 25.4 mm.
    bool fromTable = false;
};

// 15A = ½B, 20A = ¾B, 25A = 1B … 400A = 16B, as the fittings reference lists
// them for Darby's 3-K method.
InchSize NominalInches(std::int32_t nominalSize);

} // namespace fittings
