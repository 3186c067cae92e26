#include "app/ui/ResultFields.h"

#include "app/ui/EntryFields.h"
#include "numeric/NumberText.h"
#include "numeric/Units.h"

#include <QLineEdit>

namespace app::ui {

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

void ConvertShownValue(QLineEdit *field, numeric::Real factor)
{
    if (field->text().trimmed().isEmpty())
        return;
    const numeric::Real value = ReadPlainNumber(field) * factor;
    WriteResult(field, QString::fromStdString(
                           numeric::FormatFixed(value.value(), numeric::ResultDecimals)));
}

} // namespace app::ui
