#pragma once

#include "app/ui/CalculationRecord.h"

// Records as the pages make them, built by hand: three kinds, with the
// captions, texts and units the pages show.
namespace samples {

app::ui::CalculationRecord Duct(int i = 0);
app::ui::CalculationRecord Pipe(int i = 0);
app::ui::CalculationRecord Air(int i = 0);

// A field as a page describes it.
app::ui::FieldValue Field(const char *name, const char *caption, const char *text, const char *unit,
                          app::ui::FieldRole role);

// The i-th of a mixed series: duct, pipe, air, duct, ...
app::ui::CalculationRecord Mixed(int i);

// Equal as far as the journal keeps them (the time to the millisecond).
bool SameRecord(const app::ui::CalculationRecord &a, const app::ui::CalculationRecord &b);

} // namespace samples
