#pragma once

#include <cmath>
#include <cstdint>

namespace numeric {

namespace detail {

// Each throws FloatingPointFault of its kind. Kept out of line so that the
// inline arithmetic below stays small.
[[noreturn]] void RaiseInvalidOperation();
[[noreturn]] void RaiseDivisionByZero();
[[noreturn]] void RaiseOverflow();

// A result computed from finite operands: inf can only come from overflow,
// nan only from an invalid operation.
inline long double Checked(long double r)
{
    if (std::isnan(r))
        RaiseInvalidOperation();
    if (std::isinf(r))
        RaiseOverflow();
    return r;
}

} // namespace detail

// An 80-bit extended value whose arithmetic stops at the first fault.
//
// Every Real is finite. The operators and functions below check their
// operands and results and throw FloatingPointFault exactly where a
// floating-point unit with invalid-operation, division-by-zero and overflow
// traps enabled would stop: so a formula reads as it is written and still
// never lets an inf or a nan through. Checks on operands and results give
// the same answer under every optimisation level, which testing the status
// flags after each operation would not. The arithmetic is inline: the
// searches of the moist-air model run some 30 operations per grid point over
// up to 30,000 points, and a call per operation, each passing its 80-bit
// operands through memory, made them nearly three times slower.
class Real
{
public:
    constexpr Real() = default;
    // NOLINTNEXTLINE(google-explicit-constructor): literals mix freely
    Real(long double v) : v_(detail::Checked(v)) {}
    Real(int v) : Real(static_cast<long double>(v)) {}

    long double value() const { return v_; }

    Real operator-() const
    {
        Real r;
        r.v_ = -v_;
        return r;
    }
    Real operator+() const { return *this; }

    friend Real operator+(Real a, Real b) { return Real(a.v_ + b.v_); }
    friend Real operator-(Real a, Real b) { return Real(a.v_ - b.v_); }
    friend Real operator*(Real a, Real b) { return Real(a.v_ * b.v_); }
    friend Real operator/(Real a, Real b)
    {
        if (b.v_ == 0.0L) {
            if (a.v_ == 0.0L)
                detail::RaiseInvalidOperation();
            detail::RaiseDivisionByZero();
        }
        return Real(a.v_ / b.v_);
    }

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

} // namespace numeric
