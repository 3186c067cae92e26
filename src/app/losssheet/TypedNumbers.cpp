#include "app/losssheet/TypedNumbers.h"

#include "app/ui/UiTexts.h"
#include "eval/Evaluator.h"
#include "eval/VariableTable.h"
#include "numeric/Failure.h"

namespace app::losssheet {

long double EvaluateTyped(const QString &text)
{
    return eval::Evaluate(text.toStdString());
}

QString WhyNotANumber(const QString &text)
{
    // A copy of the variables: checking "X=2" must not assign X yet.
    eval::VariableTable variables = eval::SharedVariables();
    try {
        eval::Evaluate(text.toStdString(), variables);
    } catch (const numeric::Failure &failure) {
        return QString::fromUtf8(failure.what());
    }
    return {};
}

QString NotANumberMessage(const QString &caption, const QString &reason)
{
    QString message = caption + QStringLiteral("：") + QString::fromUtf8(ui::texts::CheckValue);
    if (!reason.isEmpty())
        message += QStringLiteral("（") + reason + QStringLiteral("）");
    return message;
}

std::optional<long double> EvaluateOptional(const QString &text)
{
    if (text.trimmed().isEmpty())
        return std::nullopt;
    return EvaluateTyped(text);
}

} // namespace app::losssheet
