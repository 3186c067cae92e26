#include "numeric/ShownValue.h"

#include "numeric/NumberText.h"
#include "numeric/Units.h"

namespace numeric {

std::string ShownValue::text() const
{
    switch (form) {
    case TextForm::General15:
        return FormatGeneral15(value);
    case TextForm::General4:
        return FormatGeneral4(value);
    case TextForm::Fixed:
        break;
    }
    return FormatFixed(value, ResultDecimals);
}

} // namespace numeric
