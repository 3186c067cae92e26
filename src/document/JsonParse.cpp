#include "document/JsonParse.h"

#include "document/DocumentTexts.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

namespace document::json {

namespace {

// The parser reads through this iterator, which leaves behind how far it got:
// where a value's text starts, for the messages about it.
struct TrackedIterator
{
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char *;
    using reference = const char &;

    const char *at = nullptr;
    const char **reached = nullptr;

    reference operator*() const { return *at; }
    TrackedIterator &operator++()
    {
        *reached = ++at;
        return *this;
    }
    TrackedIterator operator++(int)
    {
        TrackedIterator before = *this;
        ++*this;
        return before;
    }
    bool operator==(const TrackedIterator &other) const { return at == other.at; }
};

enum class Stop { None, TooDeep, TooManyValues, DuplicateMember };

// Builds the values from the parser's events.
class Builder
{
public:
    Builder(std::string_view text, const char **reached) : text_(text), reached_(reached) {}

    bool null() { return add(Value{}); }
    bool boolean(bool b) { return add(Value::Boolean(b)); }
    // A number keeps the text it has in the file (the parser's own token
    // would have the locale's decimal point, and an integer none at all).
    bool number_integer(nlohmann::json::number_integer_t) { return addNumber(); }
    bool number_unsigned(nlohmann::json::number_unsigned_t) { return addNumber(); }
    bool number_float(nlohmann::json::number_float_t, const std::string &) { return addNumber(); }
    bool string(std::string &s) { return add(Value::String(std::move(s))); }
    bool binary(nlohmann::json::binary_t &) { return false; } // not in JSON text

    bool start_object(std::size_t) { return open(Value::Object()); }
    bool start_array(std::size_t) { return open(Value::Array()); }
    bool end_object()
    {
        close();
        return true;
    }
    bool end_array()
    {
        close();
        return true;
    }
    bool key(std::string &name)
    {
        const std::size_t at = tokenStart();
        if (!newName(name)) {
            stop_ = Stop::DuplicateMember;
            stopOffset_ = at;
            stopName_ = name;
            return false;
        }
        Member m;
        m.name = std::move(name);
        m.offset = at;
        open_.back()->members.push_back(std::move(m));
        return true;
    }

    bool parse_error(std::size_t position, const std::string &,
                     const nlohmann::detail::exception &error)
    {
        // `position` counts the characters read, the one in error included;
        // a number too large is named where it starts.
        overflow_ = error.id == 406;
        errorOffset_ = overflow_ ? skipSeparators(lastEnd_) : position == 0 ? 0 : position - 1;
        return false;
    }

    std::optional<Value> &root() { return root_; }
    Stop stop() const { return stop_; }
    std::size_t stopOffset() const { return stopOffset_; }
    const std::string &stopName() const { return stopName_; }
    std::optional<std::size_t> errorOffset() const { return errorOffset_; }
    bool overflow() const { return overflow_; }

private:
    // Between the end of the last token and the start of this one only white
    // space, ':' and ',' can stand.
    std::size_t skipSeparators(std::size_t i) const
    {
        while (i < text_.size() && (text_[i] == ' ' || text_[i] == '\t' || text_[i] == '\n' ||
                                    text_[i] == '\r' || text_[i] == ':' || text_[i] == ','))
            ++i;
        return i;
    }

    std::size_t tokenStart()
    {
        const std::size_t start = skipSeparators(lastEnd_);
        lastEnd_ = static_cast<std::size_t>(*reached_ - text_.data());
        return start;
    }

    Value *place(Value v)
    {
        v.offset = tokenStart();
        return put(std::move(v));
    }

    Value *put(Value v)
    {
        if (open_.empty()) {
            root_ = std::move(v);
            return &*root_;
        }
        Value &parent = *open_.back();
        if (parent.isArray()) {
            parent.items.push_back(std::move(v));
            return &parent.items.back();
        }
        parent.members.back().value = std::move(v);
        return &parent.members.back().value;
    }

    bool add(Value v)
    {
        if (++count_ > MaxValues)
            return tooMany();
        place(std::move(v));
        return true;
    }

    bool addNumber()
    {
        if (++count_ > MaxValues)
            return tooMany();
        const std::size_t start = tokenStart();
        std::size_t end = start;
        while (end < text_.size() &&
               ((text_[end] >= '0' && text_[end] <= '9') || text_[end] == '-' ||
                text_[end] == '+' || text_[end] == '.' || text_[end] == 'e' || text_[end] == 'E'))
            ++end;
        Value v = Value::Number(std::string(text_.substr(start, end - start)));
        v.offset = start;
        put(std::move(v));
        return true;
    }

    bool tooMany()
    {
        stop_ = Stop::TooManyValues;
        stopOffset_ = tokenStart();
        return false;
    }

    // A small object is searched member by member; a large one (which no
    // document has, but a damaged file may) by a set of its names.
    bool newName(const std::string &name)
    {
        static constexpr std::size_t Small = 32;
        const std::vector<Member> &members = open_.back()->members;
        std::unordered_set<std::string> &names = names_.back();
        if (members.size() < Small) {
            for (const Member &m : members) {
                if (m.name == name)
                    return false;
            }
            return true;
        }
        if (names.empty()) {
            for (const Member &m : members)
                names.insert(m.name);
        }
        return names.insert(name).second;
    }

    bool open(Value v)
    {
        if (++count_ > MaxValues)
            return tooMany();
        if (open_.size() >= MaxDepth) {
            stop_ = Stop::TooDeep;
            stopOffset_ = tokenStart();
            return false;
        }
        open_.push_back(place(std::move(v)));
        names_.emplace_back();
        return true;
    }

    void close()
    {
        tokenStart();
        open_.pop_back();
        names_.pop_back();
    }

    std::string_view text_;
    const char **reached_;
    std::size_t lastEnd_ = 0;
    std::size_t count_ = 0;
    std::optional<Value> root_;
    // The arrays and objects being read; a parent grows only once its last
    // child is closed, so these stay valid.
    std::vector<Value *> open_;
    std::vector<std::unordered_set<std::string>> names_;

    Stop stop_ = Stop::None;
    std::size_t stopOffset_ = 0;
    std::string stopName_;
    std::optional<std::size_t> errorOffset_;
    bool overflow_ = false;
};

ParseResult Failure(std::string_view text, std::string message, std::size_t offset)
{
    ParseResult r;
    r.problem.message = std::move(message);
    r.problem.position = PositionOf(text, offset);
    return r;
}

} // namespace

std::optional<std::size_t> FirstInvalidUtf8(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const auto continuation = [&](std::size_t i) {
        return i < text.size() && (byte(i) & 0xC0) == 0x80;
    };
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char b = byte(i);
        if (b < 0x80) {
            // Runs of ASCII, most of a document, eight bytes at a time.
            ++i;
            while (i + 8 <= text.size()) {
                std::uint64_t word;
                std::memcpy(&word, text.data() + i, 8);
                if (word & 0x8080808080808080ull)
                    break;
                i += 8;
            }
            continue;
        }
        // The second byte's range rules out overlong forms, surrogates
        // (ED A0–BF) and code points beyond U+10FFFF (F4 90–BF).
        int length = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            if (b == 0xE0)
                low = 0xA0;
            if (b == 0xED)
                high = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            if (b == 0xF0)
                low = 0x90;
            if (b == 0xF4)
                high = 0x8F;
        } else {
            return i;
        }
        if (i + 1 >= text.size() || byte(i + 1) < low || byte(i + 1) > high)
            return i;
        for (int k = 2; k < length; ++k) {
            if (!continuation(i + k))
                return i;
        }
        i += length;
    }
    return std::nullopt;
}

ParseResult Parse(std::string_view text)
{
    if (const auto bad = FirstInvalidUtf8(text))
        return Failure(text, texts::NotUtf8, *bad);

    const char *reached = text.data();
    Builder builder(text, &reached);
    const TrackedIterator first{text.data(), &reached};
    const TrackedIterator last{text.data() + text.size(), &reached};
    if (nlohmann::json::sax_parse(first, last, &builder)) {
        ParseResult r;
        r.value = std::move(builder.root());
        return r;
    }
    switch (builder.stop()) {
    case Stop::TooDeep:
        return Failure(text, texts::Fill(texts::TooDeep, {std::to_string(MaxDepth)}),
                       builder.stopOffset());
    case Stop::TooManyValues:
        return Failure(text, texts::Fill(texts::TooManyValues, {std::to_string(MaxValues)}),
                       builder.stopOffset());
    case Stop::DuplicateMember:
        return Failure(text, texts::Fill(texts::DuplicateMember, {builder.stopName()}),
                       builder.stopOffset());
    case Stop::None:
        break;
    }
    const std::size_t offset = builder.errorOffset().value_or(text.size());
    if (builder.overflow())
        return Failure(text, texts::NumberTooLarge, offset);
    if (offset >= text.size())
        return Failure(text, texts::Truncated, text.size());
    return Failure(text, texts::Syntax, offset);
}

} // namespace document::json
