#pragma once

#include "app/record/CalculationSheet.h"
#include "app/record/RecordTables.h"
#include "spreadsheet/Sheet.h"

#include <QList>

// The records as a workbook: a cover sheet (texts::Cover) with the title block and a
// list of the sheets, then one sheet per kind of calculation (named after
// it) with the columns of its table (RecordText.h): the date as a date, the
// page, calculation, note and warning as texts, and each field's value as
// shown, a number where the shown text is one (with the format of its
// decimals), a text otherwise (an option, a stale value with its mark).
namespace app::record {

// The cover's date is the title block's date line (DateLine).
spreadsheet::Workbook RecordWorkbook(const TitleBlock &title, const QList<KindTable> &tables);

} // namespace app::record
