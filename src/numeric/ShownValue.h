#pragma once

#include <string>

namespace numeric {

// The three forms in which the pages write a result: fixed-point with the
// result decimals, or general with 15 or with 4 significant digits.
enum class TextForm { Fixed, General15, General4 };

// A computed value together with the form the window shows it in, so that
// every place that shows the value (a field, a table, a copied row) writes
// the same text.
struct ShownValue
{
    long double value = 0.0L;
    TextForm form = TextForm::Fixed;

    std::string text() const;
};

inline ShownValue Fixed(long double value)
{
    return {value, TextForm::Fixed};
}
inline ShownValue General15(long double value)
{
    return {value, TextForm::General15};
}
inline ShownValue General4(long double value)
{
    return {value, TextForm::General4};
}

} // namespace numeric
