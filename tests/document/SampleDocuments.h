#pragma once

#include "document/Document.h"
#include "losssheet/SheetUnits.h"

#include <string>

namespace samples {

// The window's unit system the tests read and write in where it makes no
// difference.
inline constexpr losssheet::UnitSystem Units = losssheet::UnitSystem::Conventional;

// What tests/data/document-v1-full.zefra holds: every kind of point
// definition, process and pressure basis, and every title field.
document::Document FullDocument();

// What tests/data/document-v1-small.zefra holds: one chart with one point.
document::Document SmallDocument();

// What tests/data/document-v1-systems.zefra holds: the loss sheet's two
// systems worked by hand (tests/losssheet/WorkedSystems.h), the duct's
// third outlet an open end and the water's branch valve by the 2-K method,
// and an exhaust system of sized sections from two starts.
document::Document SystemsDocument();

// The contents of a file under tests/data.
std::string DataFile(const std::string &name);

// tests/data/document-v1-unknown-members.zefra as this version saves it:
// the same bytes but for its loss-sheet system, which was written before
// the systems had members of their own and now has them all.
std::string UnknownMembersAsSaved();

chart::PointDefinition Typed(long double t, chart::Given given, long double value);

} // namespace samples
