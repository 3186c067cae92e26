#include "app/ui/ResultFields.h"

#include "app/ui/EntryFields.h"
#include "numeric/NumberParse.h"

#include <QLineEdit>

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

void WriteResult(QLineEdit *field, const std::optional<numeric::ShownValue> &value)
{
    if (value)
        WriteResult(field, QString::fromStdString(value->text()));
}

} // namespace entry
