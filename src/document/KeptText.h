#pragma once

#include "document/Document.h"
#include "losssheet/System.h"

#include <string>

// The loss sheet's objects keep their unknown members as JSON text
// (losssheet::KeptMember), since the sheet knows no JSON; these turn them
// into the file's values and back.
namespace document {

losssheet::KeptMembers AsText(const KeptMembers &kept);

// Throws a ReadError naming `where` for a text that is no JSON (which only a
// member made in memory can hold).
KeptMembers FromText(const losssheet::KeptMembers &kept, const std::string &where);

} // namespace document
