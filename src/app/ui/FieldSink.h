#pragma once

#include "numeric/ResultSink.h"

#include <QString>

class QLineEdit;
class QWidget;

// Delivers a calculation's results into the result fields of a page, each
// as soon as it is known, and its warnings as warning boxes.
class FieldSink : public numeric::ResultSink
{
public:
    explicit FieldSink(QWidget *page) : page_(page) {}

    void write(std::string_view field, const std::string &text) override;
    void warn(std::string_view message) override;

private:
    QWidget *page_;
};

namespace entry {

// Reads a field as a plain decimal number (no expression); throws
// numeric::ConversionError otherwise.
long double ReadPlainNumber(const QLineEdit *field);

// Writes a result text so that the field shows its beginning.
void WriteResult(QLineEdit *field, const QString &text);

} // namespace entry
