#include "numeric/Failure.h"

#include "numeric/Messages.h"

namespace numeric {

FloatingPointFault::FloatingPointFault(Kind kind) : Failure(messageFor(kind)), kind_(kind) {}

const char *FloatingPointFault::messageFor(Kind kind)
{
    switch (kind) {
    case Kind::InvalidOperation:
        return messages::InvalidOperation;
    case Kind::DivisionByZero:
        return messages::DivisionByZero;
    case Kind::Overflow:
        return messages::Overflow;
    }
    return messages::InvalidOperation;
}

RangeError::RangeError() : Failure(messages::RangeCheck) {}

} // namespace numeric
