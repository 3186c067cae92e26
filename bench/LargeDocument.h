#pragma once

#include "document/Document.h"

namespace bench {

// A large real document: 20 charts (a summer and a winter chart for each of
// ten air-handling units), each of 30 points, 7 of them produced by its 10
// processes, every kind of point and process used; and 5 systems of 100
// sections.
document::Document LargeDocument();

} // namespace bench
