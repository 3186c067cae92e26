#include "numeric/NumberText.h"

#include "numeric/CLocale.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace numeric {

namespace {

constexpr int ExpansionDigits = 18; // significant digits of an extended value

// A value as sign, decimal digits d1 d2 ... and exponent: |value| = d1.d2... × 10^exponent.
struct Decimal
{
    bool negative = false;
    std::string digits; // no leading zero; empty means zero
    int exponent = 0;
};

Decimal expand(long double value)
{
    Decimal d;
    if (value == 0.0L || !std::isfinite(value))
        return d;
    char buf[64];
    {
        ScopedCLocale c;
        std::snprintf(buf, sizeof buf, "%.*Le", ExpansionDigits - 1, value);
    }
    const char *p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p != 'e' && *p != '\0'; ++p) {
        if (*p >= '0' && *p <= '9')
            d.digits += *p;
    }
    d.exponent = (*p == 'e') ? std::atoi(p + 1) : 0;
    return d;
}

// Keeps `count` leading digits, rounding half away from zero on the next one.
// A count below zero, or zero with a next digit below 5, gives zero.
void roundTo(Decimal &d, int count)
{
    if (count < 0) {
        d.digits.clear();
        return;
    }
    if (count >= static_cast<int>(d.digits.size())) {
        while (!d.digits.empty() && d.digits.back() == '0')
            d.digits.pop_back();
        return;
    }
    const bool up = d.digits[static_cast<size_t>(count)] >= '5';
    d.digits.resize(static_cast<size_t>(count));
    if (up) {
        int i = count - 1;
        while (i >= 0 && d.digits[static_cast<size_t>(i)] == '9') {
            d.digits[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[static_cast<size_t>(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
}

std::string scientific(const Decimal &d)
{
    std::string s = d.negative ? "-" : "";
    s += d.digits[0];
    if (d.digits.size() > 1) {
        s += '.';
        s.append(d.digits, 1, std::string::npos);
    }
    s += 'E';
    s += std::to_string(d.exponent);
    return s;
}

char digitAt(const Decimal &d, int i)
{
    return (i >= 0 && i < static_cast<int>(d.digits.size())) ? d.digits[static_cast<size_t>(i)]
                                                             : '0';
}

} // namespace

std::string FormatFixed(long double value, int decimals)
{
    Decimal d = expand(value);
    if (!d.digits.empty() && d.exponent + 1 > ExpansionDigits)
        return FormatGeneral(value, ExpansionDigits);
    if (!d.digits.empty())
        roundTo(d, d.exponent + 1 + decimals);

    std::string s;
    if (d.digits.empty()) {
        s = "0";
    } else {
        if (d.negative)
            s = "-";
        if (d.exponent < 0)
            s += '0';
        for (int i = 0; i <= d.exponent; ++i)
            s += digitAt(d, i);
    }
    if (decimals > 0) {
        s += '.';
        for (int i = 1; i <= decimals; ++i)
            s += d.digits.empty() ? '0' : digitAt(d, d.exponent + i);
    }
    return s;
}

std::string FormatGeneral(long double value, int digits)
{
    Decimal d = expand(value);
    roundTo(d, digits);
    if (d.digits.empty())
        return "0";
    if (d.exponent >= digits || d.exponent < -5)
        return scientific(d);

    std::string s = d.negative ? "-" : "";
    const int count = static_cast<int>(d.digits.size());
    if (d.exponent < 0) {
        s += "0.";
        s.append(static_cast<size_t>(-d.exponent - 1), '0');
        s += d.digits;
        return s;
    }
    for (int i = 0; i <= d.exponent; ++i)
        s += digitAt(d, i);
    if (count > d.exponent + 1) {
        s += '.';
        s.append(d.digits, static_cast<size_t>(d.exponent + 1), std::string::npos);
    }
    return s;
}

} // namespace numeric
