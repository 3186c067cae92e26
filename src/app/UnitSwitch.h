#pragma once

class TDuctForm;

namespace units {

// The unit system just changed (TaniButton1 or TaniButton2 became checked):
// relabels the loss, pressure and enthalpy units of the whole window and
// converts the values shown in those units, field by field, from their
// displayed text. A field whose text is no plain number stops the switch
// there with a numeric::ConversionError; everything before it stays switched.
void SwitchUnitSystem(TDuctForm &form);

} // namespace units
