#pragma once

#include "document/Document.h"
#include "document/JsonValue.h"
#include "losssheet/SheetUnits.h"

namespace document {

// The document a file's JSON value holds: its format and version checked
// first, then every member; throws a ReadError (document/MemberReader.h) at
// the first problem, so that no part of a damaged file is ever used. The
// loss sheets' sizing targets per metre come in `units` (the window's).
Document ReadDocument(const json::Value &root, losssheet::UnitSystem units);

} // namespace document
