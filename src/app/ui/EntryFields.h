#pragma once

#include <string>

class QLineEdit;

namespace entry {

// A field's text as the calculations read it: UTF-8 bytes.
std::string FieldText(const QLineEdit *field);

// Replaces the field's text by the value of the expression it holds, written
// in the general format with 15 significant digits. On failure the text stays
// as typed and the failure passes to the caller.
void EvaluateField(QLineEdit *field);

} // namespace entry
