#pragma once

#include <QString>

#include <string_view>

class QWidget;

// The window's three modal boxes, each with one OK button, centred on the screen.
namespace app::ui {

// texts::Warning: a value that cannot be evaluated or calculated.
void ShowWarning(QWidget *parent, const QString &text);
// texts::Error: the calculator cannot be started, the help cannot be opened.
void ShowError(QWidget *parent, const QString &text);
// The application title: a failure no handler caught, with its own message.
void ShowFailure(QWidget *parent, const QString &message);
// The same box for a failure that carries no message (texts::UnknownFailure).
void ShowUnknownFailure(QWidget *parent);

// The failure box's text: the message, followed by "." whenever its last
// character sorts after "." (so a message ending in "。" gets one too).
QString FailureText(const QString &message);

inline QString FromUtf8(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace app::ui
