#include "numeric/Failure.h"

namespace numeric {

FloatingPointFault::FloatingPointFault(Kind kind) : Failure(messageFor(kind)), kind_(kind) {}

const char *FloatingPointFault::messageFor(Kind kind)
{
    switch (kind) {
    case Kind::InvalidOperation:
        return "不正な浮動小数点数演算命令";
    case Kind::DivisionByZero:
        return "0 による浮動小数点数除算";
    case Kind::Overflow:
        return "浮動小数点数のｵｰﾊﾞｰﾌﾛｰ";
    }
    return "不正な浮動小数点数演算命令";
}

RangeError::RangeError() : Failure("範囲ﾁｪｯｸｴﾗｰ") {}

} // namespace numeric
