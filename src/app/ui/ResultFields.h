#pragma once

#include "numeric/ShownValue.h"

#include <QString>

#include <exception>
#include <optional>

class QLineEdit;

namespace entry {

// Reads a field as a plain decimal number (no expression); throws
// numeric::ConversionError otherwise.
long double ReadPlainNumber(const QLineEdit *field);

// Writes a result text so that the field shows its beginning.
void WriteResult(QLineEdit *field, const QString &text);

// Writes a value that a calculation reached; one it did not reach leaves the
// field as it was.
void WriteResult(QLineEdit *field, const std::optional<numeric::ShownValue> &value);

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

} // namespace entry
