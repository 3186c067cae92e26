#pragma once

#include "document/Document.h"
#include "document/JsonValue.h"

namespace document {

// The document as the JSON value of its file: the members of each object in
// the order of document/DocumentFormat.h, the ones a kind does not use left
// out, and each kept member after the known member it followed.
json::Value ComposeDocument(const Document &document);

} // namespace document
