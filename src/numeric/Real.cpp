#include "numeric/Real.h"

#include "numeric/Failure.h"

#include <cmath>
#include <limits>

namespace numeric {

namespace {

using Kind = FloatingPointFault::Kind;

} // namespace

namespace detail {

void RaiseInvalidOperation()
{
    throw FloatingPointFault(Kind::InvalidOperation);
}
void RaiseDivisionByZero()
{
    throw FloatingPointFault(Kind::DivisionByZero);
}
void RaiseOverflow()
{
    throw FloatingPointFault(Kind::Overflow);
}

} // namespace detail

Real Ln(Real x)
{
    if (x.value() < 0.0L)
        throw FloatingPointFault(Kind::InvalidOperation);
    if (x.value() == 0.0L)
        throw FloatingPointFault(Kind::DivisionByZero);
    return Real(std::log(x.value()));
}

Real Log10(Real x)
{
    static const Real ln10 = Real(std::log(10.0L));
    return Ln(x) / ln10;
}

Real Exp(Real x)
{
    return Real(std::exp(x.value()));
}

Real Sqrt(Real x)
{
    if (x.value() < 0.0L)
        throw FloatingPointFault(Kind::InvalidOperation);
    return Real(std::sqrt(x.value()));
}

Real Trunc(Real x)
{
    return Real(std::trunc(x.value()));
}

std::int32_t TruncToInt32(Real x)
{
    const long double t = std::trunc(x.value());
    if (t < static_cast<long double>(std::numeric_limits<std::int32_t>::min()) ||
        t > static_cast<long double>(std::numeric_limits<std::int32_t>::max()))
        throw FloatingPointFault(Kind::InvalidOperation);
    return static_cast<std::int32_t>(t);
}

Real Abs(Real x)
{
    return Real(std::fabs(x.value()));
}

} // namespace numeric
