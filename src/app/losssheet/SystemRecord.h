#pragma once

#include "app/ui/CalculationRecord.h"
#include "losssheet/Results.h"
#include "losssheet/SheetUnits.h"
#include "losssheet/System.h"

#include <optional>

namespace app::losssheet {

// The page name of the loss sheet's records.
QString RecordPageName();

// Whether a system's total is complete: every section computed and a result.
bool Completed(const ::losssheet::SystemResult &result);

// The record of a system's total: its conditions (as inputs and options),
// the number of sections, and the summary as results; a warning when a
// fitting's input lay outside its formula's range. Nothing for a total that
// is not complete.
std::optional<ui::CalculationRecord> SystemRecord(const ::losssheet::System &system,
                                                  const ::losssheet::SystemResult &result,
                                                  ::losssheet::UnitSystem units);

} // namespace app::losssheet
