#pragma once

#include "document/Document.h"

// The benchmarks' large real document: 20 charts of 30 points and 10
// processes each, and 5 loss-sheet systems of 100 sections.
namespace bench {

document::Document LargeDocument();

} // namespace bench
