#pragma once

#include "document/Document.h"

#include <string>

namespace samples {

// What tests/data/document-v1-full.zefra holds: every kind of point
// definition, process and pressure basis, and every title field.
document::Document FullDocument();

// What tests/data/document-v1-small.zefra holds: one chart with one point.
document::Document SmallDocument();

// The contents of a file under tests/data.
std::string DataFile(const std::string &name);

chart::PointDefinition Typed(long double t, chart::Given given, long double value);

} // namespace samples
