#include "app/losssheet/SectionEdits.h"

#include "app/losssheet/SectionColumns.h"
#include "app/losssheet/TypedNumbers.h"
#include "losssheet/SectionNames.h"
#include "numeric/Failure.h"

#include <algorithm>

namespace app::losssheet {

namespace {

using ::losssheet::NameKey;
using ::losssheet::Section;
using ::losssheet::System;

QString NoName()
{
    return QStringLiteral("区間名を入力して下さい。");
}

// The cell's text as stored: without blanks around it.
std::string Stored(const QString &text)
{
    return text.trimmed().toStdString();
}

void Rename(System &system, std::size_t row, const std::string &name)
{
    const std::string oldKey = NameKey(system.sections[row].name);
    const auto named = std::count_if(system.sections.begin(), system.sections.end(),
                                     [&](const Section &s) { return NameKey(s.name) == oldKey; });
    // The links follow a name only when it was the only one of its kind.
    if (named == 1 && !oldKey.empty()) {
        for (Section &s : system.sections) {
            if (NameKey(s.upstream) == oldKey)
                s.upstream = name;
        }
    }
    system.sections[row].name = name;
}

} // namespace

QString CheckSectionCell(int column, const QString &text, ::losssheet::SystemKind kind)
{
    switch (column) {
    case NameColumn:
        return text.trimmed().isEmpty() ? NoName() : QString();
    case FlowColumn:
    case LengthColumn:
        if (text.trimmed().isEmpty())
            return {};
        if (const QString reason = WhyNotANumber(text); !reason.isEmpty())
            return NotANumberMessage(ColumnCaption(column, kind), reason);
        return {};
    default:
        return {};
    }
}

void ApplySectionCell(System &system, int row, int column, const QString &text)
{
    if (row < 0 || static_cast<std::size_t>(row) >= system.sections.size())
        return;
    const auto i = static_cast<std::size_t>(row);
    Section &section = system.sections[i];
    switch (column) {
    case NameColumn:
        if (text.trimmed().isEmpty())
            throw numeric::Failure(NoName().toStdString());
        Rename(system, i, Stored(text));
        break;
    case UpstreamColumn:
        section.upstream = Stored(text);
        break;
    case FlowColumn:
        section.flow = EvaluateOptional(text);
        break;
    case SizeColumn:
        section.size = Stored(text);
        break;
    case LengthColumn:
        section.length = EvaluateOptional(text).value_or(0);
        break;
    default:
        break;
    }
}

int InsertSection(System &system, int row)
{
    Section section;
    section.name = ::losssheet::NextSectionName(system);
    const std::size_t count = system.sections.size();
    const bool after = row >= 0 && static_cast<std::size_t>(row) < count;
    // It continues the row it follows, at the end the last one.
    const std::size_t at = after ? static_cast<std::size_t>(row) + 1 : count;
    if (at > 0)
        section.upstream = system.sections[at - 1].name;
    system.sections.insert(system.sections.begin() + static_cast<std::ptrdiff_t>(at),
                           std::move(section));
    return static_cast<int>(at);
}

} // namespace app::losssheet
