#include "app/settings/IniFile.h"

#include "app/settings/IniEdit.h"
#include "app/settings/IniSyntax.h"
#include "fileio/LineReader.h"
#include "fileio/RegularFile.h"
#include "fileio/Replace.h"

#include <fcntl.h>
#include <utility>
#include <vector>

namespace app::settings {

std::string SettingsPathFor(std::string_view executablePath)
{
    const std::size_t slash = executablePath.rfind('/');
    const std::size_t nameBegin = slash == std::string_view::npos ? 0 : slash + 1;
    const std::string_view name = executablePath.substr(nameBegin);
    const std::size_t dot = name.rfind('.');
    const std::size_t firstNonDot = name.find_first_not_of('.');
    const bool hasExtension =
        dot != std::string_view::npos && firstNonDot != std::string_view::npos && dot > firstNonDot;

    std::string path(
        executablePath.substr(0, hasExtension ? nameBegin + dot : executablePath.size()));
    path += ".ini";
    return path;
}

std::optional<std::string> ReadString(const std::string &path, std::string_view section,
                                      std::string_view key)
{
    const KeyName one[] = {{section, key}};
    return std::move(ReadStrings(path, one).front());
}

std::vector<std::optional<std::string>> ReadStrings(const std::string &path,
                                                    std::span<const KeyName> keys)
{
    std::vector<std::optional<std::string>> values(keys.size());
    // Where the reading stands for each key: before the first section of its
    // name, inside it, or done (found, that section ended, or a key with an
    // empty name, which is never found).
    enum class Place { Before, Inside, Done };
    std::vector<Place> places(keys.size(), Place::Before);
    std::vector<KeyName> names(keys.size());
    std::size_t open = 0; // keys not done
    for (std::size_t i = 0; i < keys.size(); ++i) {
        names[i] = {TrimBlanks(keys[i].section), TrimBlanks(keys[i].key)};
        if (names[i].section.empty() || names[i].key.empty())
            places[i] = Place::Done;
        else
            ++open;
    }
    if (open == 0)
        return values;
    const fileio::UniqueFd fd = fileio::OpenRegularFile(path, O_RDONLY);
    if (!fd.valid())
        return values;

    fileio::LineReader reader(fd.get(), kUtf8Bom.size() + kLineLookLimit);
    std::string text;
    bool firstLine = true;
    while (open > 0 && reader.Next(text)) {
        std::string_view line = text;
        if (firstLine && line.substr(0, kUtf8Bom.size()) == kUtf8Bom)
            line.remove_prefix(kUtf8Bom.size());
        firstLine = false;

        const IniLine parsed = ClassifyLine(line);
        if (parsed.kind == IniLine::Kind::Ignored)
            continue;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            Place &place = places[i];
            if (parsed.kind == IniLine::Kind::Section) {
                if (place == Place::Inside) {
                    place = Place::Done; // the first section of the name has ended
                    --open;
                } else if (place == Place::Before && NamesEqual(parsed.name, names[i].section)) {
                    place = Place::Inside;
                }
            } else if (place == Place::Inside && NamesEqual(parsed.name, names[i].key)) {
                values[i] = std::string(parsed.value.substr(0, kValueLimit)); // the first key wins
                place = Place::Done;
                --open;
            }
        }
    }
    return values;
}

std::int32_t ReadInteger(const std::string &path, std::string_view section, std::string_view key,
                         std::int32_t defaultValue)
{
    const std::optional<std::string> text = ReadString(path, section, key);
    if (!text)
        return defaultValue;
    return ParseInteger(*text).value_or(defaultValue);
}

BatchWrite WriteStrings(const std::string &path, std::span<const StringKey> keys)
{
    std::vector<StringKey> trimmed;
    trimmed.reserve(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const StringKey k{TrimBlanks(keys[i].section), TrimBlanks(keys[i].key), keys[i].value};
        if (!IsWritableName(k.section) || !IsWritableName(k.key) || !IsWritableValue(k.value))
            return {false, i};
        trimmed.push_back(k);
    }
    if (trimmed.empty())
        return {true, std::nullopt};
    const fileio::Status written = fileio::EditFile(path, [&](std::string &text) {
        for (const StringKey &k : trimmed)
            SetKey(text, k.section, k.key, k.value);
    });
    return {written.ok(), std::nullopt};
}

BatchWrite WriteIntegers(const std::string &path, std::span<const IntegerKey> keys)
{
    std::vector<std::string> values;
    values.reserve(keys.size());
    for (const IntegerKey &k : keys)
        values.push_back(std::to_string(k.value));
    std::vector<StringKey> strings;
    strings.reserve(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        strings.push_back({keys[i].section, keys[i].key, values[i]});
    return WriteStrings(path, strings);
}

bool WriteString(const std::string &path, std::string_view section, std::string_view key,
                 std::string_view value)
{
    const StringKey one[] = {{section, key, value}};
    return WriteStrings(path, one).written;
}

bool WriteInteger(const std::string &path, std::string_view section, std::string_view key,
                  std::int32_t value)
{
    return WriteString(path, section, key, std::to_string(value));
}

} // namespace app::settings
