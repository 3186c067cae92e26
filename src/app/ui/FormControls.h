#pragma once

#include "app/ui/Fonts.h"
#include "app/ui/UiTexts.h"

#include <QString>
#include <QStringList>

#include <span>
#include <string_view>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

// Builders for the classic fixed-position form: every control sits at the
// pixel position of the window's design, relative to its band or panel.
namespace app::ui {

constexpr int EditHeight = 21;

QLabel *Label(QWidget *parent, const QString &text, int x, int y, const char *name = nullptr);
QLabel *BoldLabel(QWidget *parent, const QString &text, int x, int y, int pixelSize = 13,
                  const char *name = nullptr);

// An input field: writable, a tab stop, no limit on the length of its text.
QLineEdit *Edit(QWidget *parent, const char *name, int x, int y, int width,
                const QString &hint = {}, const QString &text = {});

// A result field: read-only, the no-entry cursor, the hint texts::Calculated;
// not a tab stop unless asked (a click still selects its text for copying).
QLineEdit *Result(QWidget *parent, const char *name, int x, int y, int width, bool tabStop = false,
                  const QString &hint = QString::fromUtf8(texts::Calculated));

QRadioButton *Radio(QWidget *parent, const char *name, const QString &text, int x, int y,
                    bool checked = false);
QCheckBox *Check(QWidget *parent, const char *name, const QString &text, int x, int y,
                 const QString &hint = {});
QComboBox *List(QWidget *parent, const char *name, int x, int y, int width,
                const QStringList &items, const QString &hint = {});

// List items from a table of UTF-8 texts.
QStringList Items(std::span<const std::string_view> texts);

// A caption that changes: the new text, and the label sized to it.
void SetCaption(QLabel *label, const QString &text);

// Read-only look of a field: no-entry cursor or the default one. The cursor
// must be set after the read-only flag, which resets it.
void SetReadOnlyLook(QLineEdit *edit, bool readOnly);
// The background of a size field: window colour, or button face when unused.
void SetFieldColour(QLineEdit *edit, bool windowColour);

} // namespace app::ui
