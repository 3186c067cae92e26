#include "app/settings/IniFile.h"

#include "app/settings/IniEdit.h"
#include "app/settings/IniFileIo.h"
#include "app/settings/IniSyntax.h"

#include <fcntl.h>
#include <unistd.h>
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
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    if (section.empty() || key.empty())
        return std::nullopt;
    const UniqueFd fd = OpenRegularFileForReading(path);
    if (!fd.valid())
        return std::nullopt;

    LineReader reader(fd.get(), kUtf8Bom.size() + kLineLookLimit);
    std::string text;
    bool firstLine = true;
    bool inSection = false;
    while (reader.Next(text)) {
        std::string_view line = text;
        if (firstLine && line.substr(0, kUtf8Bom.size()) == kUtf8Bom)
            line.remove_prefix(kUtf8Bom.size());
        firstLine = false;

        const IniLine parsed = ClassifyLine(line);
        if (parsed.kind == IniLine::Kind::Section) {
            if (inSection)
                return std::nullopt; // the first section of the name has ended
            inSection = NamesEqual(parsed.name, section);
        } else if (parsed.kind == IniLine::Kind::Key && inSection && NamesEqual(parsed.name, key)) {
            return std::string(parsed.value.substr(0, kValueLimit));
        }
    }
    return std::nullopt;
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
    if (path.empty())
        return {};

    const std::optional<std::string> target = FollowSymlinks(path);
    if (!target)
        return {};
    const std::optional<ExistingFile> old = ReadExistingFile(*target);
    if (!old)
        return {};
    // The rename would replace a read-only file just as well; refuse as an
    // in-place write would.
    if (old->exists && ::faccessat(AT_FDCWD, target->c_str(), W_OK, AT_EACCESS) != 0)
        return {};

    std::string text = old->contents;
    for (const StringKey &k : trimmed)
        SetKey(text, k.section, k.key, k.value);
    return {ReplaceFile(*target, text, *old), std::nullopt};
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
