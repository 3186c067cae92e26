#pragma once

#include "app/files/SaveFile.h"
#include "spreadsheet/Sheet.h"

// Saving a workbook as an .xlsx file: made in memory
// (spreadsheet::MakeWorkbookFile), then saved whole as SaveBytes does.
namespace app::files {

[[nodiscard]] SaveResult SaveWorkbook(const QString &path, const spreadsheet::Workbook &workbook);

} // namespace app::files
