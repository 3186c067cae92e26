#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <variant>

// One key of the settings file, declared once by the page or window that
// keeps it: where it stands in the file, what kind of value it holds, the
// values it takes, what it falls back to, and how its owner takes and gives
// the value. A load and a save work from these declarations alone
// (app/settings/SettingsSchema.h).
namespace app::settings {

// What a key holds: an integer (written in decimal; read as ParseInteger
// reads it), a truth value (written 1 or 0; read as an integer, any but 0
// being true) or a text (one line, as it stands between the blanks).
enum class Kind { Integer, Truth, Text };

using Value = std::variant<std::int32_t, bool, std::string>;

// A key's place in the file: its rank among the keys one load reads (a key
// is applied after every key of a lower rank, so a radio button whose
// handler needs the lists restored ranks after them) and among those one
// save writes (a key the file lacks is added at the end of its section, a
// section it lacks at the end of the file: the ranks lay out a new file).
// Both must be given; no two keys of one load or save share either.
struct Rank
{
    constexpr Rank(int readRank, int writeRank) : read(readRank), write(writeRank) {}
    // The same rank in both orders.
    explicit constexpr Rank(int both) : read(both), write(both) {}
    int read;
    int write;
};

// The section, name and place of a key.
struct KeyPlace
{
    std::string section;
    std::string name;
    Rank rank;
};

// The integers an integer key takes, both ends included.
struct IntegerRange
{
    std::int32_t low;
    std::int32_t high;
};
inline constexpr IntegerRange AnyInteger{std::numeric_limits<std::int32_t>::min(),
                                         std::numeric_limits<std::int32_t>::max()};

struct Key
{
    KeyPlace place;
    Kind kind;
    IntegerRange range = AnyInteger; // for an integer key
    // What a missing or unusable stored value gives; nothing for a key whose
    // owner keeps a value of its own then (a window's place).
    std::optional<Value> fallback;
};

// The stored text of a key as its value: the text read as the key's kind,
// when it is one of that kind within the range; otherwise the fallback.
std::optional<Value> Interpret(const Key &key, const std::optional<std::string> &stored);

// A value as the file holds it; nothing when the file cannot hold it (a text
// with a line break or NUL).
std::optional<std::string> Format(const Value &value);

// A declared key bound to its owner.
struct Setting
{
    Key key;
    // Applies what Interpret gives; runs no handler.
    std::function<void(const std::optional<Value> &)> restore;
    // What a save writes; nothing leaves the key's line in the file as it is.
    std::function<std::optional<Value>()> value;
};

// The declarations by kind, with the owner's functions typed.
Setting IntegerSetting(KeyPlace place, IntegerRange range, std::int32_t fallback,
                       std::function<void(std::int32_t)> restore,
                       std::function<std::int32_t()> value);
// An integer without a fallback: the owner hears when none is stored, and
// may leave the key out of a save.
Setting OptionalIntegerSetting(KeyPlace place,
                               std::function<void(std::optional<std::int32_t>)> restore,
                               std::function<std::optional<std::int32_t>()> value);
Setting TruthSetting(KeyPlace place, bool fallback, std::function<void(bool)> restore,
                     std::function<bool()> value);
Setting TextSetting(KeyPlace place, std::string fallback,
                    std::function<void(const std::string &)> restore,
                    std::function<std::string()> value);

} // namespace app::settings
