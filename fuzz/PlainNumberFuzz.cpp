// The plain-number readers of the fields: any byte string gives a finite
// number or a ConversionError. A text that reads as a whole number must read
// as the same plain number.
#include "numeric/Failure.h"
#include "numeric/NumberParse.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    std::optional<long double> plain;
    try {
        plain = numeric::ParsePlainNumber(text);
        if (!std::isfinite(*plain))
            std::abort();
    } catch (const numeric::ConversionError &) {
    }
    try {
        const std::int32_t whole = numeric::ParseWholeNumber(text);
        if (!plain || *plain != static_cast<long double>(whole))
            std::abort();
    } catch (const numeric::ConversionError &) {
    }
    return 0;
}
