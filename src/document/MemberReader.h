#pragma once

#include "document/Document.h"
#include "document/JsonValue.h"
#include "document/Limits.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace document {

// Why a document could not be read: the message, and where in the file (the
// offset of the value at fault, json::NoOffset for a value made in memory).
struct ReadError
{
    std::string message;
    std::size_t offset = json::NoOffset;
};

// Reads the members of one object of a document, each checked for its type
// and range, and keeps the members it does not know. Every failure throws a
// ReadError naming `where` ("線図 1 の点 3") and the member.
class MemberReader
{
public:
    // `known` lists every member this version knows in that object, in the
    // order they are written.
    MemberReader(const json::Value &object, std::string where,
                 std::span<const std::string_view> known);

    // Throws unless `value` is an object.
    static void RequireObject(const json::Value &value, const std::string &where);

    const std::string &where() const { return where_; }
    bool has(std::string_view name) const { return object_.find(name) != nullptr; }
    const json::Value *find(std::string_view name) const { return object_.find(name); }
    const json::Value &required(std::string_view name) const;

    std::string string(std::string_view name) const; // "" when absent
    long double quantity(std::string_view name, const Limits &limits) const;
    std::optional<long double> optionalQuantity(std::string_view name, const Limits &limits) const;
    int id(std::string_view name) const;
    // An integer from 0 to count − 1 (a place in a list); `fallback` when absent.
    int index(std::string_view name, int count, int fallback) const;
    bool flag(std::string_view name, bool fallback) const;
    // [low, high], in doubles as the chart keeps them; `fallback` when absent.
    std::pair<double, double> range(std::string_view name, const Limits &limits,
                                    std::pair<double, double> fallback) const;
    // The index of the string value among `names`; `fallback` when absent.
    std::size_t choice(std::string_view name, std::span<const std::string_view> names,
                       std::optional<std::size_t> fallback = std::nullopt) const;
    // The array, empty when absent.
    const json::Value &array(std::string_view name) const;
    // The one member of `names` present; throws when none or more than one.
    std::size_t oneOf(std::span<const std::string_view> names) const;

    // The members not in `known`, each after the known member it followed,
    // in the order they are written. `start` is the anchor of the members
    // before any known one.
    KeptMembers kept(std::string_view start = {}) const;

    [[noreturn]] void fail(std::string message, const json::Value *at) const;
    [[noreturn]] void wrongType(std::string_view name, const char *kind) const;

private:
    const json::Value &object_;
    std::string where_;
    std::span<const std::string_view> known_;
};

} // namespace document
