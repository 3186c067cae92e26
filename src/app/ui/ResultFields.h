#pragma once

#include "numeric/Real.h"
#include "numeric/ShownValue.h"

#include <QString>

#include <optional>

class QLineEdit;

namespace app::ui {

// Writes a result text so that the field shows its beginning.
void WriteResult(QLineEdit *field, const QString &text);

// Writes a value that a calculation reached; one it did not reach leaves the
// field as it was.
void WriteResult(QLineEdit *field, const std::optional<numeric::ShownValue> &value);

// Rewrites a field's displayed value in another unit (value × factor, fixed
// with the result decimals), read from its text as a plain number; an empty
// or blank field stays as it is. A text that is no plain number throws
// numeric::ConversionError and leaves the field as it was.
void ConvertShownValue(QLineEdit *field, numeric::Real factor);

// Runs a calculation that fills its result as it goes, and shows what it
// reached: all of it, or on a failure what came before the failure, which
// then passes on to the caller.
template <typename Result, typename Calculation, typename Show>
void RunAndShow(Calculation &&calculate, Show &&show)
{
    Result result;
    try {
        calculate(result);
    } catch (...) {
        show(result);
        throw;
    }
    show(result);
}

} // namespace app::ui
