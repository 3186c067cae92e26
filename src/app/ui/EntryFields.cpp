#include "app/ui/EntryFields.h"

#include "app/ui/ResultFields.h"
#include "eval/Evaluator.h"
#include "numeric/NumberParse.h"
#include "numeric/NumberText.h"

#include <QLineEdit>

namespace app::ui {

std::string FieldText(const QLineEdit *field)
{
    return field->text().toStdString();
}

void EvaluateField(QLineEdit *field)
{
    const long double value = eval::Evaluate(FieldText(field));
    WriteResult(field, QString::fromStdString(numeric::FormatGeneral15(value)));
}

long double ReadPlainNumber(const QLineEdit *field)
{
    return numeric::ParsePlainNumber(FieldText(field));
}

} // namespace app::ui
