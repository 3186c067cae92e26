#include "app/losssheet/FittingTexts.h"

#include "app/losssheet/LossSheetTexts.h"
#include "app/losssheet/Utf8.h"
#include "numeric/NumberText.h"

#include <QStringList>

#include <cmath>

namespace app::losssheet {

using ::losssheet::ParameterScale;

namespace {

numeric::Medium MediumOf(::losssheet::SystemKind kind)
{
    return kind == ::losssheet::SystemKind::Duct ? numeric::Medium::Air : numeric::Medium::Water;
}

} // namespace

const fittings::FittingType *TypeOf(const ::losssheet::Fitting &fitting)
{
    return fittings::FindType(fitting.type);
}

const fittings::Method *MethodOf(const ::losssheet::Fitting &fitting, ::losssheet::SystemKind kind)
{
    const fittings::FittingType *type = TypeOf(fitting);
    if (!type)
        return nullptr;
    if (fitting.method.empty())
        return &type->methods[static_cast<std::size_t>(
            fittings::DefaultMethod(*type, MediumOf(kind)))];
    const auto index = fittings::FindMethod(*type, fitting.method);
    return index ? &type->methods[static_cast<std::size_t>(*index)] : nullptr;
}

QString KindText(const ::losssheet::Fitting &fitting)
{
    if (const fittings::FittingType *type = TypeOf(fitting))
        return Utf8(type->name);
    return QStringLiteral("（この版にない種類 %1）").arg(Utf8(fitting.type));
}

QString ParameterUnit(const fittings::Parameter &parameter, ::losssheet::SystemKind kind,
                      ::losssheet::UnitSystem units)
{
    if (parameter.quantity == fittings::Quantity::Choice)
        return {};
    return Utf8(ParameterScale(parameter.quantity, kind, units).unit);
}

long double StoredParameter(const fittings::Parameter &parameter, long double shown,
                            ::losssheet::SystemKind kind, ::losssheet::UnitSystem units)
{
    return ParameterScale(parameter.quantity, kind, units).pascalsOf(shown);
}

long double ShownParameter(const fittings::Parameter &parameter, long double stored,
                           ::losssheet::SystemKind kind, ::losssheet::UnitSystem units)
{
    return ParameterScale(parameter.quantity, kind, units).shown(stored);
}

QString ParameterValueText(const fittings::Parameter &parameter, long double value,
                           ::losssheet::SystemKind kind, ::losssheet::UnitSystem units,
                           bool computed)
{
    if (parameter.quantity == fittings::Quantity::Choice) {
        const auto row = static_cast<long long>(std::llround(value));
        if (row >= 0 && row < static_cast<long long>(parameter.choices.size()))
            return Utf8(parameter.choices[static_cast<std::size_t>(row)]);
        return QString::number(row + 1);
    }
    const auto scale = ParameterScale(parameter.quantity, kind, units);
    // A typed value as typed; one the sheet found at the decimals of its unit.
    const long double shown = scale.shown(value);
    if (computed)
        return Utf8(numeric::FormatFixed(shown, scale.decimals));
    // A value typed in the other unit system (250 Pa shown in mmAq) would
    // show its conversion to fifteen digits: it shows at its unit's
    // decimals instead, as a value the sheet found. What was typed in this
    // unit comes back as typed.
    const QString typed = Utf8(numeric::FormatGeneral15(shown));
    const QString roundTrip = QString::number(static_cast<double>(shown), 'g', 12);
    const qsizetype point = roundTrip.indexOf(QLatin1Char('.'));
    const qsizetype decimals = point < 0 ? 0 : roundTrip.size() - point - 1;
    if (roundTrip.contains(QLatin1Char('e')))
        return typed;
    if (decimals <= scale.decimals + 2)
        return typed.size() <= roundTrip.size() ? typed : roundTrip;
    return Utf8(numeric::FormatFixed(shown, scale.decimals));
}

QString ParametersText(const ::losssheet::Fitting &fitting, const ::losssheet::FittingResult *r,
                       ::losssheet::SystemKind kind, ::losssheet::UnitSystem units)
{
    const fittings::Method *method = MethodOf(fitting, kind);
    if (!method)
        return {};
    QStringList parts;
    for (std::size_t i = 0; i < method->parameters.size(); ++i) {
        const fittings::Parameter &p = method->parameters[i];
        const bool typed = i < fitting.values.size() && fitting.values[i];
        const bool fromTree = r && i < r->fromTree.size() && r->fromTree[i];
        std::optional<long double> value;
        if (typed)
            value = *fitting.values[i];
        else if (r && i < r->values.size())
            value = r->values[i];
        else
            value = p.defaultValue;
        QString part = Utf8(p.name) + QLatin1Char(' ');
        if (!value) {
            part += QStringLiteral("（未入力）");
        } else {
            const QString unit = ParameterUnit(p, kind, units);
            part += ParameterValueText(p, *value, kind, units, fromTree);
            if (!unit.isEmpty())
                part += (unit == QStringLiteral("°") ? QString() : QStringLiteral(" ")) + unit;
            if (fromTree)
                part += Utf8(texts::FromSystem);
        }
        parts << part;
    }
    return parts.join(QStringLiteral("、"));
}

} // namespace app::losssheet
