#pragma once

#include <QString>

#include <functional>

namespace app::report {

// The numbers of one table column right-aligned on their decimal points: a
// text whose fraction is narrower than the column's widest stands that much
// further left, and a whole number ends where the others' points stand.
// Texts that are not numbers stay right-aligned at the edge.
class DecimalColumn
{
public:
    using Width = std::function<qreal(const QString &)>;

    explicit DecimalColumn(Width width) : width_(std::move(width)) {}

    void add(const QString &text);
    // How far left of the cell's right edge (its padding aside) the text ends.
    qreal inset(const QString &text) const;
    // The room the column's widest cell needs: its text and its inset.
    qreal needed() const { return needed_; }

private:
    qreal fraction(const QString &text) const;

    Width width_;
    qreal widestFraction_ = 0;
    qreal widestWhole_ = 0; // the widest text less its fraction
    qreal widestText_ = 0;  // of the texts that are not numbers
    qreal needed_ = 0;
};

// Whether the text is a plain decimal number ("-12.5", "3600"), as the
// report's number columns hold.
bool IsDecimalNumber(const QString &text);

} // namespace app::report
