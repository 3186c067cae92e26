#pragma once

#include "numeric/Failure.h"

#include <optional>
#include <string>

class QLineEdit;

namespace app::ui {

// A field's text as the calculations read it: UTF-8 bytes.
std::string FieldText(const QLineEdit *field);

// Replaces the field's text by the value of the expression it holds, written
// in the general format with 15 significant digits. On failure the text stays
// as typed and the failure passes to the caller.
void EvaluateField(QLineEdit *field);

// Reads a field as a plain decimal number (no expression); throws
// numeric::ConversionError otherwise.
long double ReadPlainNumber(const QLineEdit *field);

// What `read` reads from the fields, or nothing when it fails, as on a field
// that holds no plain number.
template <typename Read> auto ReadOrNothing(Read read) -> std::optional<decltype(read())>
{
    try {
        return read();
    } catch (const numeric::Failure &) {
        return std::nullopt;
    }
}

} // namespace app::ui
