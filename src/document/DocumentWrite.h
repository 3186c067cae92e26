#pragma once

#include "document/Document.h"
#include "document/JsonValue.h"
#include "losssheet/SheetUnits.h"

namespace document {

// The document as the JSON value of its file: the members of each object in
// the order of document/DocumentFormat.h, the ones a kind does not use left
// out, and each kept member after the known member it followed. The loss
// sheets' sizing targets per metre are in `units` (the window's). Throws a
// ReadError (document/MemberReader.h) for what has no place in the file.
json::Value ComposeDocument(const Document &document, losssheet::UnitSystem units);

} // namespace document
