#include "document/JsonWrite.h"

#include "document/JsonParse.h"

#include <algorithm>

namespace document::json {

void AppendString(std::string &out, std::string_view s)
{
    static constexpr char Hex[] = "0123456789abcdef";
    out += '"';
    while (!s.empty()) {
        const std::size_t bad = FirstInvalidUtf8(s).value_or(s.size());
        for (const char c : s.substr(0, bad)) {
            switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    out += "\\u00";
                    out += Hex[static_cast<unsigned char>(c) >> 4];
                    out += Hex[c & 0xF];
                } else {
                    out += c;
                }
            }
        }
        if (bad < s.size()) {
            out += "\xEF\xBF\xBD"; // U+FFFD
            s.remove_prefix(bad + 1);
        } else {
            s = {};
        }
    }
    out += '"';
}

namespace {

bool Plain(const Value &v)
{
    return !v.isArray() && !v.isObject();
}

void Write(std::string &out, const Value &v, int indent)
{
    const auto newline = [&](int level) {
        out += '\n';
        out.append(static_cast<std::size_t>(level) * 2, ' ');
    };
    switch (v.kind) {
    case Value::Kind::Null:
        out += "null";
        return;
    case Value::Kind::Boolean:
        out += v.boolean ? "true" : "false";
        return;
    case Value::Kind::Number:
        out += v.text;
        return;
    case Value::Kind::String:
        AppendString(out, v.text);
        return;
    case Value::Kind::Array: {
        if (v.items.empty()) {
            out += "[]";
            return;
        }
        const bool oneLine = std::all_of(v.items.begin(), v.items.end(), Plain);
        out += '[';
        for (std::size_t i = 0; i < v.items.size(); ++i) {
            if (i > 0)
                out += oneLine ? ", " : ",";
            if (!oneLine)
                newline(indent + 1);
            Write(out, v.items[i], indent + 1);
        }
        if (!oneLine)
            newline(indent);
        out += ']';
        return;
    }
    case Value::Kind::Object:
        break;
    }
    if (v.members.empty()) {
        out += "{}";
        return;
    }
    out += '{';
    for (std::size_t i = 0; i < v.members.size(); ++i) {
        if (i > 0)
            out += ',';
        newline(indent + 1);
        AppendString(out, v.members[i].name);
        out += ": ";
        Write(out, v.members[i].value, indent + 1);
    }
    newline(indent);
    out += '}';
}

} // namespace

std::string Serialise(const Value &value)
{
    std::string out;
    Write(out, value, 0);
    out += '\n';
    return out;
}

} // namespace document::json
