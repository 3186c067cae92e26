#include "app/EntryFields.h"

#include "eval/Evaluator.h"
#include "numeric/NumberText.h"

#include <QLineEdit>

namespace entry {

void EvaluateField(QLineEdit *field)
{
    const QByteArray text = field->text().toUtf8();
    const long double value =
        Evaluate(std::string_view(text.constData(), static_cast<size_t>(text.size())));
    field->setText(QString::fromStdString(num::FormatGeneral15(value)));
}

} // namespace entry
