#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

// JSON values as a document file holds them. A number keeps its text: one
// this program reads is converted once, to the precision its quantity needs
// (long double or double), and one it does not know is written back exactly
// as it was.
namespace document::json {

struct Member;

inline constexpr std::size_t NoOffset = std::numeric_limits<std::size_t>::max();

struct Value
{
    enum class Kind { Null, Boolean, Number, String, Array, Object };

    Kind kind = Kind::Null;
    bool boolean = false;
    std::string text;            // a string's UTF-8, or a number's JSON text
    std::vector<Value> items;    // an array's
    std::vector<Member> members; // an object's, in their order
    // Where the value's text starts in the file it was read from (bytes,
    // after a byte order mark); NoOffset for a value this program made.
    std::size_t offset = NoOffset;

    static Value Boolean(bool b);
    static Value Number(std::string jsonText);
    static Value String(std::string utf8);
    static Value Array();
    static Value Array(std::vector<Value> items);
    static Value Object();
    static Value Object(std::vector<Member> members);

    bool isNumber() const { return kind == Kind::Number; }
    bool isString() const { return kind == Kind::String; }
    bool isArray() const { return kind == Kind::Array; }
    bool isObject() const { return kind == Kind::Object; }

    // The member of an object, or null.
    const Value *find(std::string_view name) const;

    // Same content; where it was read from does not count.
    bool operator==(const Value &other) const;
};

struct Member
{
    std::string name;
    Value value;
    std::size_t offset = NoOffset; // the name's opening quote

    bool operator==(const Member &other) const
    {
        return name == other.name && value == other.value;
    }
};

} // namespace document::json
