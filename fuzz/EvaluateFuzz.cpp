// Any byte string, up to a megabyte, must evaluate to a finite number or end
// in a failure of our own: no crash, no hang, no undefined behaviour, no inf
// or nan. A fresh table per input keeps every run independent.
#include "eval/EEValError.h"
#include "eval/Evaluator.h"
#include "eval/VariableTable.h"
#include "numeric/Failure.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// True when every byte belongs to a complete UTF-8 sequence (structure only).
bool isWholeUtf8(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const auto lead = static_cast<unsigned char>(s[i]);
        const std::size_t length = lead < 0x80   ? 1
                                   : lead < 0xC2 ? 0
                                   : lead < 0xE0 ? 2
                                   : lead < 0xF0 ? 3
                                   : lead < 0xF5 ? 4
                                                 : 0;
        if (length == 0 || s.size() - i < length)
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        }
        i += length;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    eval::VariableTable variables;
    try {
        if (!std::isfinite(eval::Evaluate(text, variables)))
            std::abort();
    } catch (const eval::EEValError &e) {
        // The quoted context never cuts a character of a well-formed text.
        if (isWholeUtf8(text) && !isWholeUtf8(e.what()))
            std::abort();
    } catch (const numeric::Failure &) {
    }
    return 0;
}
