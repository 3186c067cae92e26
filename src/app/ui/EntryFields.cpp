#include "app/ui/EntryFields.h"

#include "eval/Evaluator.h"
#include "numeric/NumberText.h"

#include <QLineEdit>

namespace entry {

std::string FieldText(const QLineEdit *field)
{
    return field->text().toStdString();
}

void EvaluateField(QLineEdit *field)
{
    const long double value = eval::Evaluate(FieldText(field));
    field->setText(QString::fromStdString(numeric::FormatGeneral15(value)));
}

} // namespace entry
