#pragma once

#include "app/settings/IniFile.h"
#include "app/settings/SettingKey.h"

#include <functional>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

// The keys of one load or one save, each declared once by its owner, and
// the order of the file derived from their ranks.
namespace app::settings {

// A key declared twice, or two keys at one place: a fault of the program.
class DuplicateKey : public std::logic_error
{
public:
    using std::logic_error::logic_error;
};

class Schema
{
public:
    Schema() = default;
    explicit Schema(std::vector<Setting> settings);

    // Adds keys. Throws DuplicateKey, adding nothing more, for a key whose
    // section and name the schema holds already (matched as the file matches
    // them, without regard to ASCII case), or whose read or write rank
    // another key has.
    void add(Setting setting);
    void add(std::vector<Setting> settings);

    const std::vector<Setting> &settings() const { return settings_; }
    // The keys by their read ranks and by their write ranks.
    std::vector<const Setting *> readOrder() const;
    std::vector<const Setting *> writeOrder() const;

private:
    std::vector<Setting> settings_;
};

// Reads the settings file: the values of the keys, from one reading
// (ReadStrings). Tests count the readings with a reader of their own.
using Reader = std::function<std::vector<std::optional<std::string>>(
    const std::string &path, std::span<const KeyName> keys)>;

// Restores every key of the schema in read order from what `stored` gives
// for it (its text in the file, or nothing), each as Interpret makes it.
void Restore(const Schema &schema,
             const std::function<std::optional<std::string>(const Key &key)> &stored);

// Restore from one reading of the file at `path`.
void Load(const Schema &schema, const std::string &path, const Reader &read = ReadStrings);

// A key's line as a save writes it.
struct StoredKey
{
    std::string section;
    std::string name;
    std::string text;

    bool operator==(const StoredKey &) const = default;
};

// What a save writes, in write order. A key whose value is nothing, or one
// the file cannot hold, is left out: its line stays as it is, and it keeps
// no other key from being saved.
std::vector<StoredKey> ToSave(const Schema &schema);

// Writes ToSave in one replace of the file (WriteStrings).
[[nodiscard]] BatchWrite Save(const Schema &schema, const std::string &path);

} // namespace app::settings
