#pragma once

#include "document/Document.h"
#include "document/JsonValue.h"

#include <span>
#include <string_view>
#include <vector>

// The pieces every object of the file is written with.
namespace document {

json::Value NumberValue(long double x);
json::Value NumberValue(double x);
json::Value NumberValue(int n);

// An object of the known members in the order of `order` (those absent from
// `known` left out), with the kept ones between them, each after the known
// member it followed. A kept member never takes the name of a known one
// (reading keeps only unknown names), nor is one lost whose anchor this
// version does not know.
json::Value Compose(std::span<const std::string_view> order, std::vector<json::Member> known,
                    const KeptMembers &kept);

} // namespace document
