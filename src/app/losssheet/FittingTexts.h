#pragma once

#include "fittings/Catalogue.h"
#include "losssheet/Results.h"
#include "losssheet/SheetUnits.h"
#include "losssheet/System.h"

#include <QString>

#include <optional>

// How a fitting's kind, method and inputs read in the fitting table and on
// the printed sheet.
namespace app::losssheet {

// The kind and method as stored: found in the catalogue, or the stored ids
// of a kind this version does not know.
const fittings::FittingType *TypeOf(const ::losssheet::Fitting &fitting);
const fittings::Method *MethodOf(const ::losssheet::Fitting &fitting, ::losssheet::SystemKind kind);
QString KindText(const ::losssheet::Fitting &fitting);

// One input as shown: in the unit of its quantity (a pressure in the
// sheet's pressure unit, a choice by its name). `value` is as stored.
QString ParameterValueText(const fittings::Parameter &parameter, long double value,
                           ::losssheet::SystemKind kind, ::losssheet::UnitSystem units,
                           bool computed);
QString ParameterUnit(const fittings::Parameter &parameter, ::losssheet::SystemKind kind,
                      ::losssheet::UnitSystem units);

// "R/D 1、角度 90°", the values the sheet used; one the tree gave is marked
// （系統から）, a blank one with a default shows the default.
QString ParametersText(const ::losssheet::Fitting &fitting, const ::losssheet::FittingResult *r,
                       ::losssheet::SystemKind kind, ::losssheet::UnitSystem units);

// The value stored for what was typed in the input's unit.
long double StoredParameter(const fittings::Parameter &parameter, long double shown,
                            ::losssheet::SystemKind kind, ::losssheet::UnitSystem units);
// And back: the typed value in the input's unit.
long double ShownParameter(const fittings::Parameter &parameter, long double stored,
                           ::losssheet::SystemKind kind, ::losssheet::UnitSystem units);

} // namespace app::losssheet
