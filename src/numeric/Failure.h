#pragma once

#include <stdexcept>
#include <string>

namespace numeric {

// Base of every failure a calculation can raise. The message is UTF-8 and is
// what the failure box shows when no handler catches it.
class Failure : public std::runtime_error
{
public:
    explicit Failure(const std::string &message) : std::runtime_error(message) {}
};

// An arithmetic fault of the floating-point model: the calculation ends at
// the first invalid operation, division by zero or overflow. Inexact and
// underflowing results are not faults.
class FloatingPointFault : public Failure
{
public:
    enum class Kind { InvalidOperation, DivisionByZero, Overflow };

    explicit FloatingPointFault(Kind kind);
    Kind kind() const { return kind_; }

    static const char *messageFor(Kind kind);

private:
    Kind kind_;
};

// A field text that is not a plain number (or not a whole number).
class ConversionError : public Failure
{
public:
    using Failure::Failure;
};

// An index outside a fixed table.
class RangeError : public Failure
{
public:
    RangeError();
};

} // namespace numeric
