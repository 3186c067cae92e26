#include "app/record/UnitPrecision.h"

#include "numeric/Failure.h"
#include "numeric/NumberParse.h"
#include "numeric/NumberText.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace app::record {

namespace {

// Decimals as on a printed design sheet for building services: lengths to
// 0.1 mm, air volumes to 1 m³/h, temperatures and humidities to 0.1, the
// humidity ratio to 0.0001 kg/kg (0.1 g/kg, the resolution of the moist-air
// tables and charts designers read it from). Quantities that count from a
// true zero (lengths, flows, losses, pressures) keep two significant digits
// when small; temperatures, humidities and enthalpies, whose zero is a
// convention, do not.
constexpr UnitPrecision Table[] = {
    {"mm", 1, 2},                       // sides, diameters, roughness
    {"m", 0, 0},                        // altitude
    {"m3/h", 0, 2},                     // air volume
    {"L/min", 1, 2},                    // water flow
    {"m/s", 2, 2},                      // velocity
    {"Pa/m", 2, 2},                     // friction loss per metre
    {"mmAq/m", 3, 2},                   // friction loss per metre
    {"kg/m3", 2, 2},                    // density
    {"℃", 1, 0},                        // dry bulb, wet bulb, dew point
    {"％", 1, 0},                       // relative humidity, opening ratio
    {"kg/kg", 4, 0},                    // humidity ratio
    {"kJ/kg", 1, 0},                    // enthalpy
    {"kcal/kg", 2, 0}, {"m3/kg", 3, 2}, // specific volume
    {"mmHg", 1, 2},                     // atmospheric pressure
    {"kPa", 3, 2},                      // atmospheric pressure (101.325)
};

// The decimals that show `significant` digits of `value`.
int decimalsForDigits(long double value, int significant)
{
    if (significant <= 0 || value == 0 || !std::isfinite(value))
        return 0;
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    return std::max(0, significant - 1 - exponent);
}

QString fixed(long double value, int decimals)
{
    QString text = QString::fromStdString(numeric::FormatFixed(value, decimals));
    // A small negative value rounded to zero is zero.
    if (text.startsWith(QLatin1Char('-')) &&
        !std::any_of(text.begin(), text.end(), [](QChar c) { return c >= u'1' && c <= u'9'; }))
        text.remove(0, 1);
    return text;
}

std::optional<QString> fromNumber(const ui::FieldValue &f)
{
    const auto precision = PrecisionOf(f.unit);
    if (!f.value || !std::isfinite(*f.value) || !precision)
        return std::nullopt;
    const long double value = *f.value;
    return fixed(value,
                 std::max(precision->decimals, decimalsForDigits(value, precision->significant)));
}

} // namespace

std::optional<UnitPrecision> PrecisionOf(const QString &unit)
{
    for (const UnitPrecision &p : Table) {
        if (unit == QString::fromUtf8(p.unit))
            return p;
    }
    return std::nullopt;
}

QString RecordedText(const ui::FieldValue &field)
{
    return fromNumber(field).value_or(field.text);
}

QString SheetText(const ui::FieldValue &field)
{
    if (const auto number = fromNumber(field))
        return *number;
    const auto precision = PrecisionOf(field.unit);
    static const QRegularExpression plain(QStringLiteral("^-?\\d+(?:\\.(\\d+))?$"));
    const QRegularExpressionMatch m = plain.match(field.text);
    if (!precision || !m.hasMatch())
        return field.text;
    long double value = 0;
    try {
        value = numeric::ParsePlainNumber(field.text.toStdString());
    } catch (const numeric::ConversionError &) {
        return field.text; // beyond the extended range
    }
    const int decimals =
        std::max(precision->decimals, decimalsForDigits(value, precision->significant));
    return fixed(value, std::min(decimals, static_cast<int>(m.capturedLength(1))));
}

} // namespace app::record
