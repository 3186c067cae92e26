#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The settings file: an INI text file beside the executable, read and written
// one key or one batch of keys at a time. Nothing is
// cached or held open between calls, so every read sees the file as it is
// now. Line syntax: app/settings/IniSyntax.h.
namespace app::settings {

// The settings file of an executable: its path with the extension replaced by
// ".ini", or with ".ini" added when the file name has none. Only the last "."
// of the file name starts an extension, and not when only dots stand before
// it: "/opt/zefra.d/Zefra" gives "/opt/zefra.d/Zefra.ini", ".zefra" gives
// ".zefra.ini".
std::string SettingsPathFor(std::string_view executablePath);

// The value of key in the first section of that name, without blanks around
// it and cut to 1023 characters; nothing when there is no such file, section
// or key, or the file cannot be read. The first key of that name wins.
std::optional<std::string> ReadString(const std::string &path, std::string_view section,
                                      std::string_view key);

// A key to look up: its section and its name.
struct KeyName
{
    std::string_view section;
    std::string_view key;
};

// The values of all `keys` from one reading of the file, in their order:
// for each key exactly what ReadString gives for it by itself. For reading
// many keys at once (the window's 21 at the start) without opening and
// scanning the file once per key.
std::vector<std::optional<std::string>> ReadStrings(const std::string &path,
                                                    std::span<const KeyName> keys);

// The value read as an integer (ParseInteger in app/settings/IniSyntax.h), or
// defaultValue when it is missing or not a valid 32-bit integer.
std::int32_t ReadInteger(const std::string &path, std::string_view section, std::string_view key,
                         std::int32_t defaultValue);

// Sets one key and leaves every other byte of the file as it was (see
// WithKeySet in app/settings/IniEdit.h for where a new key or section goes). Creates a
// missing file. The file is replaced atomically: a crash leaves either the
// old or the new file, never a part. Symbolic links are followed, so the link
// stays and its target is replaced.
//
// Returns false, with the file unchanged and no temporary file left, when the
// file or its directory cannot be written or read, the disk is full, or the
// section, key or value cannot be stored (a line break, "=" in a key, "]" in
// a section name; see IsWritableName). Blanks around the names are ignored.
[[nodiscard]] bool WriteString(const std::string &path, std::string_view section,
                               std::string_view key, std::string_view value);

// WriteString with the value as a decimal integer.
[[nodiscard]] bool WriteInteger(const std::string &path, std::string_view section,
                                std::string_view key, std::int32_t value);

struct StringKey
{
    std::string_view section;
    std::string_view key;
    std::string_view value;
};

struct IntegerKey
{
    std::string_view section;
    std::string_view key;
    std::int32_t value;
};

// What a batch write did.
struct BatchWrite
{
    bool written = false;
    // The first key that cannot be stored (its index in the batch), when that
    // is what refused the write; nothing when the file itself could not be
    // written.
    std::optional<std::size_t> refusedKey;

    explicit operator bool() const { return written; }
};

// Sets every key of the batch, in order, with one atomic replace of the file:
// the file ends up byte for byte as the same keys written one by one with
// WriteString would leave it, but a crash or kill leaves the old or the new
// file, never some keys old and some new, and the file is read, flushed and
// renamed once instead of once per key. Fails, writing nothing at all, when
// any key cannot be stored or the file cannot be written (as WriteString).
// An empty batch writes nothing and succeeds.
[[nodiscard]] BatchWrite WriteStrings(const std::string &path, std::span<const StringKey> keys);
[[nodiscard]] BatchWrite WriteIntegers(const std::string &path, std::span<const IntegerKey> keys);

} // namespace app::settings
