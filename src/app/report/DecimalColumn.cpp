#include "app/report/DecimalColumn.h"

#include <QRegularExpression>

#include <algorithm>

namespace app::report {

bool IsDecimalNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?\\d+(\\.\\d*)?$"));
    return number.match(text).hasMatch();
}

qreal DecimalColumn::fraction(const QString &text) const
{
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    return point < 0 ? 0 : width_(text.mid(point));
}

void DecimalColumn::add(const QString &text)
{
    if (!IsDecimalNumber(text)) {
        widestText_ = std::max(widestText_, width_(text));
    } else {
        const qreal f = fraction(text);
        widestFraction_ = std::max(widestFraction_, f);
        widestWhole_ = std::max(widestWhole_, width_(text) - f);
    }
    needed_ = std::max(widestText_, widestWhole_ + widestFraction_);
}

qreal DecimalColumn::inset(const QString &text) const
{
    return IsDecimalNumber(text) ? widestFraction_ - fraction(text) : 0;
}

} // namespace app::report
