#pragma once

#include <cstdint>

namespace num {

// An 80-bit extended value whose arithmetic stops at the first fault.
//
// Every Real is finite. The operators and functions below check their
// operands and results and throw FloatingPointFault exactly where a
// floating-point unit with invalid-operation, division-by-zero and overflow
// traps enabled would stop: so a formula reads as it is written and still
// never lets an inf or a nan through. Checks on operands and results give
// the same answer under every optimisation level, which testing the status
// flags after each operation would not.
class Real
{
public:
    constexpr Real() = default;
    Real(long double v); // NOLINT(google-explicit-constructor): literals mix freely
    Real(int v) : Real(static_cast<long double>(v)) {}

    long double value() const { return v_; }

    Real operator-() const;
    Real operator+() const { return *this; }

    friend Real operator+(Real a, Real b);
    friend Real operator-(Real a, Real b);
    friend Real operator*(Real a, Real b);
    friend Real operator/(Real a, Real b);

    Real &operator+=(Real b) { return *this = *this + b; }
    Real &operator-=(Real b) { return *this = *this - b; }
    Real &operator*=(Real b) { return *this = *this * b; }
    Real &operator/=(Real b) { return *this = *this / b; }

    friend bool operator==(Real a, Real b) { return a.v_ == b.v_; }
    friend bool operator!=(Real a, Real b) { return a.v_ != b.v_; }
    friend bool operator<(Real a, Real b) { return a.v_ < b.v_; }
    friend bool operator<=(Real a, Real b) { return a.v_ <= b.v_; }
    friend bool operator>(Real a, Real b) { return a.v_ > b.v_; }
    friend bool operator>=(Real a, Real b) { return a.v_ >= b.v_; }

private:
    long double v_ = 0.0L;
};

// Natural logarithm: invalid for x < 0, division by zero for x == 0.
Real Ln(Real x);
// Common logarithm, computed as ln(x) / ln(10).
Real Log10(Real x);
// e^x: overflow when the result is beyond the extended range.
Real Exp(Real x);
// Square root: invalid for x < 0.
Real Sqrt(Real x);
// x truncated toward zero, as an extended value (never faults).
Real Trunc(Real x);
// x truncated toward zero to a 32-bit integer: invalid when out of range.
std::int32_t TruncToInt32(Real x);
Real Abs(Real x);

constexpr long double Pi = 3.14159265358979323846264338327950288L;

} // namespace num
