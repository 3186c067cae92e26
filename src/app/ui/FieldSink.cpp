#include "app/ui/FieldSink.h"

#include "app/ui/EntryFields.h"
#include "app/ui/MessageBoxes.h"
#include "numeric/NumberParse.h"

#include <QLineEdit>
#include <QWidget>

#include <stdexcept>

void FieldSink::write(std::string_view field, const std::string &text)
{
    auto *edit = page_->findChild<QLineEdit *>(msg::FromUtf8(field));
    if (!edit)
        throw std::logic_error("no result field " + std::string(field));
    entry::WriteResult(edit, QString::fromStdString(text));
}

void FieldSink::warn(std::string_view message)
{
    msg::ShowWarning(page_->window(), msg::FromUtf8(message));
}

namespace entry {

long double ReadPlainNumber(const QLineEdit *field)
{
    return numeric::ParsePlainNumber(FieldText(field));
}

void WriteResult(QLineEdit *field, const QString &text)
{
    field->setText(text);
    field->setCursorPosition(0);
}

} // namespace entry
