#include "app/settings/IniEdit.h"

#include "app/settings/IniSyntax.h"

#include <cstddef>
#include <optional>

namespace app::settings {

namespace {

struct LineSpan
{
    std::size_t begin = 0;
    std::size_t contentEnd = 0; // before "\r\n", "\n" or a final "\r"
    std::size_t end = 0;        // after the line end
};

// The next line of text starting at begin (begin < text.size()).
LineSpan lineAt(std::string_view text, std::size_t begin)
{
    LineSpan line;
    line.begin = begin;
    const std::size_t newline = text.find('\n', begin);
    line.end = newline == std::string_view::npos ? text.size() : newline + 1;
    line.contentEnd = newline == std::string_view::npos ? text.size() : newline;
    if (line.contentEnd > begin && text[line.contentEnd - 1] == '\r')
        --line.contentEnd;
    return line;
}

std::string_view lineEndOf(std::string_view text)
{
    const std::size_t newline = text.find('\n');
    if (newline != std::string_view::npos && newline > 0 && text[newline - 1] == '\r')
        return "\r\n";
    return "\n";
}

// What must follow the text so that something can be appended on a new line.
std::string_view closingLineEnd(std::string_view text, std::string_view lineEnd)
{
    if (text.empty() || text.back() == '\n')
        return {};
    return text.back() == '\r' ? std::string_view("\n") : lineEnd;
}

bool hasForbiddenByte(std::string_view text)
{
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// The change that sets one key: `erase` bytes at `at` give way to `insert`.
struct KeyEdit
{
    std::size_t at = 0;
    std::size_t erase = 0;
    std::string insert;
};

KeyEdit editSettingKey(std::string_view text, std::string_view section, std::string_view key,
                       std::string_view value)
{
    const std::size_t bomSize = text.substr(0, kUtf8Bom.size()) == kUtf8Bom ? kUtf8Bom.size() : 0;
    const std::string_view lineEnd = lineEndOf(text);

    bool inSection = false;
    std::optional<LineSpan> anchor; // the line the new key would follow
    for (std::size_t at = bomSize; at < text.size();) {
        const LineSpan line = lineAt(text, at);
        at = line.end;
        const IniLine parsed = ClassifyLine(text.substr(line.begin, line.contentEnd - line.begin));
        if (parsed.kind == IniLine::Kind::Section) {
            if (inSection)
                break; // only the first section of the name counts
            if (NamesEqual(parsed.name, section)) {
                inSection = true;
                anchor = line;
            }
        } else if (parsed.kind == IniLine::Kind::Key && inSection) {
            if (NamesEqual(parsed.name, key)) {
                std::size_t valueBegin = line.begin + parsed.equalsOffset + 1;
                while (valueBegin < line.contentEnd && IsBlank(text[valueBegin]))
                    ++valueBegin;
                return {valueBegin, line.contentEnd - valueBegin, std::string(value)};
            }
            anchor = line;
        }
    }

    const std::size_t insertAt = anchor ? anchor->end : text.size();
    KeyEdit edit{insertAt, 0, {}};
    if (insertAt > bomSize)
        edit.insert.append(closingLineEnd(text.substr(0, insertAt), lineEnd));
    if (!anchor)
        edit.insert.append("[").append(section).append("]").append(lineEnd);
    edit.insert.append(key).append("=").append(value).append(lineEnd);
    return edit;
}

} // namespace

bool IsWritableName(std::string_view name)
{
    return !name.empty() && TrimBlanks(name).size() == name.size() && !hasForbiddenByte(name) &&
           name.find_first_of("=]") == std::string_view::npos && name.front() != '[' &&
           name.front() != ';' && name.size() < kLineLookLimit / 2;
}

bool IsWritableValue(std::string_view value)
{
    return !hasForbiddenByte(value);
}

void SetKey(std::string &text, std::string_view section, std::string_view key,
            std::string_view value)
{
    const KeyEdit edit = editSettingKey(text, section, key, value);
    text.replace(edit.at, edit.erase, edit.insert);
}

std::string WithKeySet(std::string_view text, std::string_view section, std::string_view key,
                       std::string_view value)
{
    std::string result(text);
    SetKey(result, section, key, value);
    return result;
}

} // namespace app::settings
