#pragma once

#include "app/ui/CalculationRecord.h"

#include <QString>

#include <optional>

// How many decimals a value merits beyond the pages, by its unit: one table
// for the record window, its copy and CSV (which print a number the record
// keeps behind a page's text, FieldValue::value) and the calculation sheet
// (which prints every value as a printed sheet would). The help's record
// chapter shows the same table.
namespace app::record {

struct UnitPrecision
{
    const char *unit; // as the pages show it
    int decimals;
    // Small values keep this many significant digits where the decimals
    // would leave fewer (a roughness of 0.15 mm stays 0.15, a velocity of
    // 0.004 m/s never prints as 0.00); 0: exactly `decimals` always.
    int significant;
};

// The entry of `unit`, or nothing for a unit the table does not know.
std::optional<UnitPrecision> PrecisionOf(const QString &unit);

// The field's value in the record window, its copy and CSV: the page's text,
// or the number the record keeps behind it at the decimals of its unit.
QString RecordedText(const ui::FieldValue &field);

// The field's value on the calculation sheet: a plain decimal number at the
// decimals of its unit, from the number behind it where the record keeps
// one, else from its text, which never gains digits. Other texts (options,
// a unit the table does not know, an exponent) as they are.
QString SheetText(const ui::FieldValue &field);

} // namespace app::record
