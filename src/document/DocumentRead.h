#pragma once

#include "document/Document.h"
#include "document/JsonValue.h"

namespace document {

// The document a file's JSON value holds: its format and version checked
// first, then every member; throws a ReadError (document/MemberReader.h) at
// the first problem, so that no part of a damaged file is ever used.
Document ReadDocument(const json::Value &root);

} // namespace document
