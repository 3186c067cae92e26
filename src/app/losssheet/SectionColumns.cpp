#include "app/losssheet/SectionColumns.h"

#include "app/losssheet/Utf8.h"
#include "app/ui/UiTexts.h"
#include "fittings/Quantities.h"
#include "flow/DuctTexts.h"
#include "losssheet/CaptionTexts.h"
#include "numeric/Medium.h"
#include "numeric/NumberText.h"
#include "pipe/PipeTexts.h"

namespace app::losssheet {

namespace {

using ::losssheet::LossPerMetreScale;
using ::losssheet::PressureScale;

} // namespace

bool IsInputColumn(int column)
{
    return column == NameColumn || column == UpstreamColumn || column == FlowColumn ||
           column == SizeColumn || column == LengthColumn;
}

std::vector<int> ColumnsOf(SystemKind kind)
{
    std::vector<int> columns;
    for (int c = 0; c < ColumnCount; ++c) {
        if (c != EquivalentLengthColumn || kind == SystemKind::Pipe)
            columns.push_back(c);
    }
    return columns;
}

QString ColumnCaption(int column, SystemKind kind)
{
    const bool duct = kind == SystemKind::Duct;
    switch (column) {
    case NameColumn:
        return Utf8(::losssheet::texts::Section);
    case UpstreamColumn:
        return QStringLiteral("上流");
    case FlowColumn:
        return duct ? Utf8(numeric::AirFlowName) : Utf8(numeric::WaterFlowName);
    case SizeColumn:
        return duct ? Utf8(::losssheet::texts::DuctSize) : Utf8(::losssheet::texts::NominalSize);
    case DiameterColumn:
        return duct ? Utf8(ui::texts::EquivalentDiameter) : Utf8(fittings::quantity::Diameter);
    case VelocityColumn:
        return duct ? Utf8(flow::texts::Velocity) : Utf8(pipes::texts::Velocity);
    case DynamicPressureColumn:
        return QStringLiteral("動圧");
    case LossPerMetreColumn:
        return QStringLiteral("R");
    case LengthColumn:
        return QStringLiteral("直管長");
    case StraightLossColumn:
        return Utf8(::losssheet::texts::StraightLoss);
    case SumZetaColumn:
        return QStringLiteral("Σζ");
    case EquivalentLengthColumn:
        return Utf8(fittings::quantity::EquivalentLength);
    case FittingLossColumn:
        return Utf8(::losssheet::texts::FittingLoss);
    case EquipmentColumn:
        return Utf8(fittings::quantity::Equipment);
    case SectionLossColumn:
        return QStringLiteral("区間損失");
    case CumulativeColumn:
        return QStringLiteral("累計");
    default:
        return {};
    }
}

QString ColumnUnit(int column, SystemKind kind, UnitSystem units)
{
    const bool duct = kind == SystemKind::Duct;
    switch (column) {
    case FlowColumn:
        return duct ? QStringLiteral("m3/h") : QStringLiteral("L/min");
    case SizeColumn:
        return duct ? QStringLiteral("mm") : QStringLiteral("A");
    case DiameterColumn:
        return QStringLiteral("mm");
    case VelocityColumn:
        return QStringLiteral("m/s");
    case LossPerMetreColumn:
        return Utf8(LossPerMetreScale(units).unit);
    case LengthColumn:
    case EquivalentLengthColumn:
        return QStringLiteral("m");
    case DynamicPressureColumn:
    case StraightLossColumn:
    case FittingLossColumn:
    case EquipmentColumn:
    case SectionLossColumn:
    case CumulativeColumn:
        return Utf8(PressureScale(kind, units).unit);
    default:
        return {};
    }
}

QString ColumnHeader(int column, SystemKind kind, UnitSystem units)
{
    const QString unit = ColumnUnit(column, kind, units);
    const QString caption = ColumnCaption(column, kind);
    return unit.isEmpty() ? caption : caption + QLatin1Char(' ') + unit;
}

Cell CellOf(int column, const ::losssheet::Section &section, const ::losssheet::SectionResult &r,
            const ::losssheet::SectionTexts &texts)
{
    switch (column) {
    case NameColumn:
        return {Utf8(section.name)};
    case UpstreamColumn:
        return {Utf8(section.upstream)};
    case FlowColumn:
        if (section.flow)
            return {Utf8(numeric::FormatGeneral15(*section.flow))};
        return {Utf8(texts.flow), true};
    case SizeColumn:
        if (r.sized)
            return {Utf8(texts.size), true};
        return {r.size ? Utf8(*r.size) : Utf8(section.size)};
    case DiameterColumn:
        return {Utf8(texts.equivalentDiameter), true};
    case VelocityColumn:
        return {Utf8(texts.velocity), true};
    case DynamicPressureColumn:
        return {Utf8(texts.dynamicPressure), true};
    case LossPerMetreColumn:
        return {Utf8(texts.lossPerMetre), true};
    case LengthColumn:
        return {Utf8(numeric::FormatGeneral15(section.length))};
    case StraightLossColumn:
        return {Utf8(texts.straightLoss), true};
    case SumZetaColumn:
        return {Utf8(texts.sumZeta), true};
    case EquivalentLengthColumn:
        return {Utf8(texts.equivalentLength), true};
    case FittingLossColumn:
        return {Utf8(texts.fittingLoss), true};
    case EquipmentColumn:
        return {Utf8(texts.equipmentLoss), true};
    case SectionLossColumn:
        return {Utf8(texts.sectionLoss), true};
    case CumulativeColumn:
        return {Utf8(texts.cumulative), true};
    default:
        return {};
    }
}

QString TypedText(int column, const ::losssheet::Section &section)
{
    switch (column) {
    case NameColumn:
        return Utf8(section.name);
    case UpstreamColumn:
        return Utf8(section.upstream);
    case FlowColumn:
        return section.flow ? Utf8(numeric::FormatGeneral15(*section.flow)) : QString();
    case SizeColumn:
        return Utf8(section.size);
    case LengthColumn:
        return Utf8(numeric::FormatGeneral15(section.length));
    default:
        return {};
    }
}

QList<QStringList> SectionRows(const ::losssheet::System &system,
                               const ::losssheet::SystemResult &result, UnitSystem units)
{
    const std::vector<int> columns = ColumnsOf(system.kind);
    QList<QStringList> rows;
    QStringList header;
    for (int c : columns)
        header << ColumnHeader(c, system.kind, units);
    rows << header;
    for (std::size_t i = 0; i < system.sections.size() && i < result.sections.size(); ++i) {
        const auto &r = result.sections[i];
        const auto texts = ::losssheet::TextsOf(r, system.kind, units);
        QStringList row;
        for (int c : columns)
            row << CellOf(c, system.sections[i], r, texts).text;
        rows << row;
    }
    return rows;
}

} // namespace app::losssheet
