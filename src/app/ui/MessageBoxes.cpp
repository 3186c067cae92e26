#include "app/ui/MessageBoxes.h"

#include "app/ui/AppInfo.h"
#include "app/ui/UiTexts.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

namespace app::ui {

namespace {

// A message text is shown whole up to this length; a longer one (a field
// holding a pasted novel) is cut so that the box still fits on the screen.
constexpr qsizetype MaxShownCharacters = 600;

QString fitted(const QString &text)
{
    if (text.size() <= MaxShownCharacters)
        return text;
    return text.left(MaxShownCharacters) + QStringLiteral("…");
}

class CentredMessageBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event);
        QScreen *screen = parentWidget() ? parentWidget()->screen() : QApplication::primaryScreen();
        if (screen) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
};

void show(QWidget *parent, QMessageBox::Icon icon, const QString &caption, const QString &text)
{
    CentredMessageBox box(icon, caption, fitted(text), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextFormat(Qt::PlainText); // a typed "<b>" is text, never markup
    box.exec();
}

} // namespace

void ShowWarning(QWidget *parent, const QString &text)
{
    show(parent, QMessageBox::Warning, QString::fromUtf8(texts::Warning), text);
}

void ShowError(QWidget *parent, const QString &text)
{
    show(parent, QMessageBox::Critical, QString::fromUtf8(texts::Error), text);
}

void ShowFailure(QWidget *parent, const QString &message)
{
    show(parent, QMessageBox::Critical, ApplicationTitle, FailureText(message));
}

void ShowUnknownFailure(QWidget *parent)
{
    ShowFailure(parent, QString::fromUtf8(texts::UnknownFailure));
}

QString FailureText(const QString &message)
{
    if (message.isEmpty())
        return message;
    const auto chars = message.toUcs4();
    return chars.back() > U'.' ? message + QLatin1Char('.') : message;
}

} // namespace app::ui
