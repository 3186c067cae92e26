#include "numeric/CLocale.h"

namespace numeric {

namespace {

locale_t cLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

} // namespace

ScopedCLocale::ScopedCLocale() : previous_(uselocale(cLocale())) {}

ScopedCLocale::~ScopedCLocale()
{
    uselocale(previous_);
}

} // namespace numeric
