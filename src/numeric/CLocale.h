#pragma once

#include <clocale>
#include <locale.h>

namespace numeric {

// Makes the C library read and write numbers with "." while it lives.
// The window sets the user's locale at start, under which printf and
// strtold could expect a "," instead.
class ScopedCLocale
{
public:
    ScopedCLocale();
    ~ScopedCLocale();
    ScopedCLocale(const ScopedCLocale &) = delete;
    ScopedCLocale &operator=(const ScopedCLocale &) = delete;

private:
    locale_t previous_;
};

} // namespace numeric
