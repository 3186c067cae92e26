#include "app/record/journal/JournalLine.h"

#include "app/record/journal/JsonText.h"
#include "document/JsonWrite.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace app::record::journal {

namespace {

constexpr std::string_view RoleNames[] = {"input", "option", "result"};

void member(std::string &out, std::string_view name, std::string_view value)
{
    out.push_back(',');
    document::json::AppendString(out, name);
    out.push_back(':');
    document::json::AppendString(out, value);
}

void begin(std::string &out, std::string_view type, int version = 1)
{
    out += "{\"v\":";
    out += std::to_string(version);
    member(out, "type", type);
}

// The shortest text that reads back as the same double.
void appendNumber(std::string &out, double value)
{
    char text[32];
    const auto [end, error] = std::to_chars(std::begin(text), std::end(text), value);
    out.append(text, error == std::errc() ? end : text);
}

void encode(std::string &out, const Record &r)
{
    const bool valued = std::any_of(r.fields.begin(), r.fields.end(), [](const Field &f) {
        return f.value && std::isfinite(*f.value);
    });
    begin(out, "record", !r.document.empty() ? 3 : valued ? 2 : 1);
    member(out, "id", r.id);
    member(out, "time", FormatMoment(r.time));
    member(out, "page", r.page);
    member(out, "calculation", r.calculation);
    member(out, "warning", r.warning);
    member(out, "note", r.note);
    if (!r.document.empty())
        member(out, "document", r.document);
    out += ",\"fields\":[";
    for (std::size_t i = 0; i < r.fields.size(); ++i) {
        const Field &f = r.fields[i];
        out += i == 0 ? "{" : ",{";
        out += "\"name\":";
        document::json::AppendString(out, f.name);
        member(out, "caption", f.caption);
        member(out, "text", f.text);
        member(out, "unit", f.unit);
        member(out, "role", RoleNames[static_cast<int>(f.role)]);
        if (f.value && std::isfinite(*f.value)) {
            out += ",\"value\":";
            appendNumber(out, *f.value);
        }
        if (f.stale)
            out += ",\"stale\":true";
        out.push_back('}');
    }
    out += "]}";
}

void encode(std::string &out, const NoteChange &n)
{
    begin(out, "note");
    member(out, "id", n.id);
    member(out, "note", n.note);
    out.push_back('}');
}

void encode(std::string &out, const Deletion &d)
{
    begin(out, "delete");
    out += ",\"ids\":[";
    for (std::size_t i = 0; i < d.ids.size(); ++i) {
        if (i > 0)
            out.push_back(',');
        document::json::AppendString(out, d.ids[i]);
    }
    out += "]}";
}

void encode(std::string &out, const ClearAll &)
{
    begin(out, "clear");
    out.push_back('}');
}

// Reads the members of an object, the opening brace already consumed, and
// hands each name to `onMember`, which reads the value. Every name of
// `required` must appear exactly once; `optional` names at most once.
template <typename OnMember>
bool readMembers(JsonReader &in, std::initializer_list<std::string_view> required,
                 std::initializer_list<std::string_view> optional, OnMember onMember)
{
    std::uint32_t seen = 0;
    std::string name;
    if (!in.consume('}')) {
        do {
            if (!in.readString(name) || !in.consume(':'))
                return false;
            int index = 0;
            bool known = false;
            for (std::string_view n : required) {
                if (n == name) {
                    known = true;
                    break;
                }
                ++index;
            }
            if (!known) {
                for (std::string_view n : optional) {
                    if (n == name) {
                        known = true;
                        break;
                    }
                    ++index;
                }
            }
            const std::uint32_t bit = 1u << index;
            if (!known || (seen & bit) || !onMember(name))
                return false;
            seen |= bit;
        } while (in.consume(','));
        if (!in.consume('}'))
            return false;
    }
    const std::uint32_t all = (1u << required.size()) - 1;
    return (seen & all) == all;
}

bool readRole(JsonReader &in, Role &role)
{
    std::string text;
    if (!in.readString(text))
        return false;
    for (int i = 0; i < 3; ++i) {
        if (text == RoleNames[i]) {
            role = static_cast<Role>(i);
            return true;
        }
    }
    return false;
}

bool readField(JsonReader &in, Field &f, std::int64_t version)
{
    if (!in.consume('{'))
        return false;
    f.stale = false;
    f.value.reset();
    const auto onMember = [&](const std::string &name) {
        if (name == "name")
            return in.readString(f.name);
        if (name == "caption")
            return in.readString(f.caption);
        if (name == "text")
            return in.readString(f.text);
        if (name == "unit")
            return in.readString(f.unit);
        if (name == "role")
            return readRole(in, f.role);
        if (name == "value") {
            double value = 0;
            if (!in.readDouble(value))
                return false;
            f.value = value;
            return true;
        }
        return in.readBool(f.stale);
    };
    if (version < 2) // "value" came with version 2
        return readMembers(in, {"name", "caption", "text", "unit", "role"}, {"stale"}, onMember);
    return readMembers(in, {"name", "caption", "text", "unit", "role"}, {"stale", "value"},
                       onMember);
}

template <typename Item, typename ReadItem>
bool readArray(JsonReader &in, std::vector<Item> &items, ReadItem readItem)
{
    if (!in.consume('['))
        return false;
    if (in.consume(']')) {
        items.clear();
        return true;
    }
    std::size_t count = 0;
    do {
        if (count == items.size())
            items.emplace_back();
        if (!readItem(items[count++]))
            return false;
    } while (in.consume(','));
    items.resize(count);
    return in.consume(']');
}

bool readTime(JsonReader &in, Moment &time)
{
    std::string text;
    if (!in.readString(text))
        return false;
    const auto moment = ParseMoment(text);
    if (moment)
        time = *moment;
    return moment.has_value();
}

// The members after "v" and "type", by type.
bool readBody(JsonReader &in, const std::string &type, std::int64_t version, Line &out)
{
    if (type == "record") {
        out.kind = Line::RecordLine;
        Record &r = out.record;
        r.document.clear(); // optional: the scratch line may hold the last one's
        const auto onMember = [&](const std::string &name) {
            if (name == "id")
                return in.readString(r.id);
            if (name == "time")
                return readTime(in, r.time);
            if (name == "page")
                return in.readString(r.page);
            if (name == "calculation")
                return in.readString(r.calculation);
            if (name == "warning")
                return in.readString(r.warning);
            if (name == "note")
                return in.readString(r.note);
            if (name == "document")
                return in.readString(r.document);
            return readArray(in, r.fields, [&](Field &f) { return readField(in, f, version); });
        };
        const bool read =
            version < 3 // "document" came with version 3
                ? readMembers(in,
                              {"id", "time", "page", "calculation", "warning", "note", "fields"},
                              {}, onMember)
                : readMembers(in,
                              {"id", "time", "page", "calculation", "warning", "note", "fields"},
                              {"document"}, onMember);
        return read && !r.id.empty();
    }
    if (type == "note") {
        out.kind = Line::NoteLine;
        NoteChange &n = out.note;
        return readMembers(in, {"id", "note"}, {}, [&](const std::string &name) {
            return in.readString(name == "id" ? n.id : n.note);
        });
    }
    if (type == "delete") {
        out.kind = Line::DeleteLine;
        Deletion &d = out.deletion;
        return readMembers(in, {"ids"}, {}, [&](const std::string &) {
            return readArray(in, d.ids, [&](std::string &id) { return in.readString(id); });
        });
    }
    return false; // "clear" has no members beyond "v" and "type"
}

// The fast path: this version's lines, "v" and "type" first.
bool readOwnLine(std::string_view text, Line &out)
{
    JsonReader in(text);
    thread_local std::string name, type;
    std::int64_t version = 0;
    if (!in.consume('{') || !in.readString(name) || name != "v" || !in.consume(':') ||
        !in.readInteger(version) || version < 1 || version > FormatVersion || !in.consume(',') ||
        !in.readString(name) || name != "type" || !in.consume(':') || !in.readString(type))
        return false;
    if (!in.consume(',')) {
        out.kind = Line::ClearLine;
        return type == "clear" && in.consume('}') && in.atEnd();
    }
    return readBody(in, type, version, out) && in.atEnd();
}

// Why a line that the fast path refused is unreadable: a look at the whole
// line as plain JSON, and at its version wherever it stands.
LineProblem classify(std::string_view line)
{
    JsonReader in(line);
    if (!in.consume('{'))
        return LineProblem::NotJson;
    std::optional<std::int64_t> version;
    std::string name;
    if (!in.consume('}')) {
        do {
            if (!in.readString(name) || !in.consume(':'))
                return LineProblem::NotJson;
            std::int64_t v = 0;
            if (name == "v" && !version) {
                if (!in.readInteger(v))
                    return LineProblem::Unexpected;
                version = v;
            } else if (!in.skipValue()) {
                return LineProblem::NotJson;
            }
        } while (in.consume(','));
        if (!in.consume('}'))
            return LineProblem::NotJson;
    }
    if (!in.atEnd())
        return LineProblem::NotJson;
    return version && *version > FormatVersion ? LineProblem::FutureVersion
                                               : LineProblem::Unexpected;
}

} // namespace

void AppendLine(std::string &out, const Entry &entry)
{
    std::visit([&](const auto &e) { encode(out, e); }, entry);
    out.push_back('\n');
}

void AppendLine(std::string &out, const Record &record)
{
    encode(out, record);
    out.push_back('\n');
}

std::string EncodeLine(const Entry &entry)
{
    std::string out;
    out.reserve(1024);
    AppendLine(out, entry);
    return out;
}

LineProblem ReadLine(std::string_view text, Line &out)
{
    if (!text.empty() && text.back() == '\r')
        text.remove_suffix(1);
    return readOwnLine(text, out) ? LineProblem::None : classify(text);
}

DecodedLine DecodeLine(std::string_view text)
{
    Line line;
    const LineProblem problem = ReadLine(text, line);
    if (problem != LineProblem::None)
        return {std::nullopt, problem};
    switch (line.kind) {
    case Line::RecordLine:
        return {std::move(line.record), problem};
    case Line::NoteLine:
        return {std::move(line.note), problem};
    case Line::DeleteLine:
        return {std::move(line.deletion), problem};
    case Line::ClearLine:
        break;
    }
    return {ClearAll{}, problem};
}

} // namespace app::record::journal
