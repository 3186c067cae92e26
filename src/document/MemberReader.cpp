#include "document/MemberReader.h"

#include "document/DocumentTexts.h"
#include "document/NumberText.h"

#include <algorithm>

namespace document {

namespace {

std::string RangeText(long double value)
{
    return NumberText(value);
}

} // namespace

MemberReader::MemberReader(const json::Value &object, std::string where,
                           std::span<const std::string_view> known)
    : object_(object), where_(std::move(where)), known_(known)
{
    RequireObject(object, where_);
}

void MemberReader::RequireObject(const json::Value &value, const std::string &where)
{
    if (!value.isObject())
        throw ReadError{texts::Fill(texts::NotAnObject, {where}), value.offset};
}

void MemberReader::fail(std::string message, const json::Value *at) const
{
    throw ReadError{std::move(message), at ? at->offset : object_.offset};
}

void MemberReader::wrongType(std::string_view name, const char *kind) const
{
    fail(texts::Fill(texts::WrongType, {where_, name, kind}), find(name));
}

const json::Value &MemberReader::required(std::string_view name) const
{
    const json::Value *v = find(name);
    if (!v)
        fail(texts::Fill(texts::Missing, {where_, name}), nullptr);
    return *v;
}

std::string MemberReader::string(std::string_view name) const
{
    const json::Value *v = find(name);
    if (!v)
        return {};
    if (!v->isString())
        wrongType(name, texts::String);
    return v->text;
}

long double MemberReader::quantity(std::string_view name, const Limits &limits) const
{
    required(name);
    return *optionalQuantity(name, limits);
}

std::optional<long double> MemberReader::optionalQuantity(std::string_view name,
                                                          const Limits &limits) const
{
    const json::Value *v = find(name);
    if (!v)
        return std::nullopt;
    if (!v->isNumber())
        wrongType(name, texts::Number);
    const std::optional<long double> x = LongDoubleOf(v->text);
    if (!x)
        fail(texts::Fill(texts::Unreadable, {where_, name, v->text}), v);
    if (!Within(*x, limits))
        fail(texts::Fill(texts::OutOfRange, {where_, name, v->text, RangeText(limits.low),
                                             RangeText(limits.high), limits.unit}),
             v);
    return x;
}

int MemberReader::id(std::string_view name) const
{
    const json::Value &v = required(name);
    if (!v.isNumber())
        wrongType(name, texts::Integer);
    const std::optional<long long> n = IntegerOf(v.text);
    if (!n)
        wrongType(name, texts::Integer);
    if (*n < limits::PointId.low || *n > limits::PointId.high)
        fail(texts::Fill(texts::OutOfRange, {where_, name, v.text, RangeText(limits::PointId.low),
                                             RangeText(limits::PointId.high), ""}),
             &v);
    return static_cast<int>(*n);
}

int MemberReader::index(std::string_view name, int count, int fallback) const
{
    const json::Value *v = find(name);
    if (!v)
        return fallback;
    const std::optional<long long> n = v->isNumber() ? IntegerOf(v->text) : std::nullopt;
    if (!n)
        wrongType(name, texts::Integer);
    if (*n < 0 || *n >= count)
        fail(texts::Fill(texts::OutOfRange,
                         {where_, name, v->text, "0", std::to_string(count - 1), ""}),
             v);
    return static_cast<int>(*n);
}

bool MemberReader::flag(std::string_view name, bool fallback) const
{
    const json::Value *v = find(name);
    if (!v)
        return fallback;
    if (v->kind != json::Value::Kind::Boolean)
        wrongType(name, texts::Boolean);
    return v->boolean;
}

std::pair<double, double> MemberReader::range(std::string_view name, const Limits &limits,
                                              std::pair<double, double> fallback) const
{
    const json::Value *v = find(name);
    if (!v)
        return fallback;
    if (!v->isArray() || v->items.size() != 2 || !v->items[0].isNumber() || !v->items[1].isNumber())
        wrongType(name, texts::RangePair);
    double ends[2];
    for (int i = 0; i < 2; ++i) {
        const json::Value &item = v->items[static_cast<std::size_t>(i)];
        const std::optional<double> x = DoubleOf(item.text);
        if (!x)
            fail(texts::Fill(texts::Unreadable, {where_, name, item.text}), &item);
        if (!Within(*x, limits))
            fail(texts::Fill(texts::OutOfRange, {where_, name, item.text, RangeText(limits.low),
                                                 RangeText(limits.high), limits.unit}),
                 &item);
        ends[i] = *x;
    }
    return {ends[0], ends[1]};
}

std::size_t MemberReader::choice(std::string_view name, std::span<const std::string_view> names,
                                 std::optional<std::size_t> fallback) const
{
    const json::Value *v = fallback ? find(name) : &required(name);
    if (!v)
        return *fallback;
    if (!v->isString())
        wrongType(name, texts::String);
    const auto it = std::find(names.begin(), names.end(), v->text);
    if (it == names.end())
        fail(texts::Fill(texts::UnknownChoice, {where_, name, v->text}), v);
    return static_cast<std::size_t>(it - names.begin());
}

const json::Value &MemberReader::array(std::string_view name) const
{
    static const json::Value empty = json::Value::Array();
    const json::Value *v = find(name);
    if (!v)
        return empty;
    if (!v->isArray())
        wrongType(name, texts::Array);
    return *v;
}

std::size_t MemberReader::oneOf(std::span<const std::string_view> names) const
{
    std::optional<std::size_t> found;
    const json::Value *second = nullptr;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (const json::Value *v = find(names[i])) {
            if (found) {
                second = v;
                break;
            }
            found = i;
        }
    }
    if (!found || second) {
        std::string list;
        for (const std::string_view n : names)
            list += "「" + std::string(n) + "」";
        fail(texts::Fill(texts::OneOf, {where_, list}), second);
    }
    return *found;
}

KeptMembers MemberReader::kept(std::string_view start) const
{
    KeptMembers out;
    std::string after(start);
    for (const json::Member &m : object_.members) {
        if (std::find(known_.begin(), known_.end(), m.name) != known_.end())
            after = m.name;
        else
            out.push_back({after, m.name, m.value});
    }
    // In the order they are written back: by the place of their known
    // member, then as they came. A document read from its own file is then
    // the same document.
    const auto place = [&](const KeptMember &k) {
        return k.after.empty() ? -1
                               : static_cast<int>(std::find(known_.begin(), known_.end(), k.after) -
                                                  known_.begin());
    };
    std::stable_sort(out.begin(), out.end(),
                     [&](const KeptMember &a, const KeptMember &b) { return place(a) < place(b); });
    return out;
}

} // namespace document
