#pragma once

#include "document/Limits.h"
#include "fittings/Catalogue.h"
#include "losssheet/System.h"

#include <string_view>
#include <vector>

// What a stored fitting's members are: its kind and method name the inputs
// of the catalogue (fittings/Catalogue.h) its values stand for.
namespace document {

// The method a fitting's values are the inputs of: its own, or for none the
// kind's first for the system's kind; null for a kind or method this version
// does not know.
const fittings::Method *MethodOf(const losssheet::Fitting &fitting, losssheet::SystemKind kind);

// The members of a fitting of `method`, in the order they are written: the
// type and method, each input by its id, the count and the note.
std::vector<std::string_view> FittingMembers(const fittings::Method &method);

// The values a document holds for an input of the quantity (a Choice is
// checked against its table instead).
Limits InputLimits(fittings::Quantity quantity, losssheet::SystemKind kind);

// A section's flow: m³/h of air, L/min of water.
Limits FlowLimits(losssheet::SystemKind kind);

} // namespace document
