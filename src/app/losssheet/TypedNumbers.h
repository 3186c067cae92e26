#pragma once

#include <QString>

#include <optional>

// Numbers typed in the loss sheet window: any expression of the window,
// with its variables, as in the pages' fields.
namespace app::losssheet {

// The value of `text`; assignments go into the window's variables. Throws
// numeric::Failure with the evaluator's reason.
long double EvaluateTyped(const QString &text);

// Whether `text` would evaluate, without storing any assignment: the reason
// it does not, or "" when it does.
QString WhyNotANumber(const QString &text);

// The message of a number that could not be read: which value, and why.
QString NotANumberMessage(const QString &caption, const QString &reason);

// A blank text is no number: nothing; else as EvaluateTyped.
std::optional<long double> EvaluateOptional(const QString &text);

} // namespace app::losssheet
