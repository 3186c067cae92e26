#include "document/JsonValue.h"

#include <utility>

namespace document::json {

Value Value::Boolean(bool b)
{
    Value v;
    v.kind = Kind::Boolean;
    v.boolean = b;
    return v;
}

Value Value::Number(std::string jsonText)
{
    Value v;
    v.kind = Kind::Number;
    v.text = std::move(jsonText);
    return v;
}

Value Value::String(std::string utf8)
{
    Value v;
    v.kind = Kind::String;
    v.text = std::move(utf8);
    return v;
}

Value Value::Array()
{
    return Array(std::vector<Value>{});
}

Value Value::Object()
{
    return Object(std::vector<Member>{});
}

Value Value::Array(std::vector<Value> items)
{
    Value v;
    v.kind = Kind::Array;
    v.items = std::move(items);
    return v;
}

Value Value::Object(std::vector<Member> members)
{
    Value v;
    v.kind = Kind::Object;
    v.members = std::move(members);
    return v;
}

const Value *Value::find(std::string_view name) const
{
    for (const Member &m : members) {
        if (m.name == name)
            return &m.value;
    }
    return nullptr;
}

bool Value::operator==(const Value &other) const
{
    if (kind != other.kind)
        return false;
    switch (kind) {
    case Kind::Null:
        return true;
    case Kind::Boolean:
        return boolean == other.boolean;
    case Kind::Number:
    case Kind::String:
        return text == other.text;
    case Kind::Array:
        return items == other.items;
    case Kind::Object:
        break;
    }
    return members == other.members;
}

} // namespace document::json
