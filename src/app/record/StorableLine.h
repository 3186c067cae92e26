#pragma once

#include <QString>
#include <QValidator>

#include <string>

// The title block's fields (件名, 設計者, 日付) are kept in the settings file,
// one line each, and the settings file gives back at most 1023 bytes of a
// value (app/settings/IniSyntax.h). A field holds only what comes back.
namespace app::record {

// `text` as one storable line: line breaks and tabs become spaces, other
// control characters (a NUL among them) go, and the text ends, at a whole
// character, within the bytes of UTF-8 the settings file gives back.
QString StorableLine(const QString &text);

// A stored value as text; a value cut short inside a character by an
// earlier version loses the part of that character.
QString FromStoredLine(const std::string &utf8);

// Keeps a line edit to a StorableLine, whether typed, pasted or set.
class StorableLineValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override;
};

} // namespace app::record
