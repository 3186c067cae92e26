#pragma once

#include "app/losssheet/SheetPrint.h"
#include "spreadsheet/Sheet.h"

// The loss sheets as a workbook: one worksheet per system, laid out as the
// printed sheet (title block, conditions, the section table, the fittings,
// the result, the terminals, the sources), every number a number.
namespace app::losssheet {

spreadsheet::Workbook LossSheetWorkbook(const std::vector<::losssheet::System> &systems,
                                        const SheetTitle &title, ::losssheet::UnitSystem units);

} // namespace app::losssheet
