#include "app/losssheet/SystemRecord.h"

#include "app/losssheet/ConditionsPanel.h"
#include "app/losssheet/SheetContents.h"
#include "app/losssheet/SummaryTexts.h"
#include "app/losssheet/Utf8.h"
#include "flow/DuctMaterials.h"
#include "numeric/NumberText.h"
#include "pipe/PipeTables.h"

#include <QDateTime>

namespace app::losssheet {

namespace {

using ::losssheet::SizingBasis;
using ::losssheet::SystemKind;
using ui::FieldRole;

} // namespace

QString RecordPageName()
{
    return QStringLiteral("系統圧損計算");
}

bool Completed(const ::losssheet::SystemResult &result)
{
    return result.summary.required && result.summary.sectionsWithProblems == 0 &&
           result.summary.problems.empty();
}

std::optional<ui::CalculationRecord> SystemRecord(const ::losssheet::System &system,
                                                  const ::losssheet::SystemResult &result,
                                                  ::losssheet::UnitSystem units)
{
    if (!Completed(result))
        return std::nullopt;
    const bool duct = system.kind == SystemKind::Duct;
    const auto &sizing = duct ? system.duct.sizing : system.pipe.sizing;
    const bool loss = sizing.basis == SizingBasis::Loss;
    const QString section = duct ? QStringLiteral("送風機静圧") : QStringLiteral("ポンプ揚程");

    ui::CalculationRecord record;
    record.time = QDateTime::currentDateTime();
    record.page = RecordPageName();
    record.calculation = section + QStringLiteral("（") + Utf8(system.name) + QStringLiteral("）");
    const auto add = [&record, &section](const QString &caption, const QString &text,
                                         const QString &unit, FieldRole role) {
        record.fields.append({{}, caption, text, unit, role, false, section, {}});
    };
    add(QStringLiteral("系統名"), Utf8(system.name), {}, FieldRole::Input);
    if (duct) {
        add(QStringLiteral("ダクトの材質"),
            ListItem(flow::DuctMaterialItems(), system.duct.material), {}, FieldRole::Option);
        add(QStringLiteral("絶対粗度"), ConditionText(system.duct.roughness), QStringLiteral("mm"),
            FieldRole::Input);
        add(QStringLiteral("空気の密度"), ConditionText(system.duct.density),
            QStringLiteral("kg/m3"), FieldRole::Input);
    } else {
        add(QStringLiteral("管材"), ListItem(pipes::PipeMaterialItems(), system.pipe.material), {},
            FieldRole::Option);
        add(QStringLiteral("水温"),
            ListItem(pipes::WaterTemperatureItems(), system.pipe.temperature), QStringLiteral("℃"),
            FieldRole::Option);
        add(QStringLiteral("絶対粗度"), ConditionText(system.pipe.roughness), QStringLiteral("mm"),
            FieldRole::Input);
        add(QStringLiteral("水の密度"), ConditionText(system.pipe.density), QStringLiteral("kg/m3"),
            FieldRole::Input);
    }
    add(QStringLiteral("寸法の決め方"),
        loss ? QStringLiteral("圧損基準")
             : (duct ? QStringLiteral("風速基準") : QStringLiteral("流速基準")),
        {}, FieldRole::Option);
    add(loss ? QStringLiteral("目標圧損") : QStringLiteral("目標速度"),
        sizing.target ? ConditionText(*sizing.target) : QString(),
        loss ? Utf8(::losssheet::LossPerMetreScale(units).unit) : QStringLiteral("m/s"),
        FieldRole::Input);
    if (duct)
        add(QStringLiteral("形状"), ShapeText(system.duct), {}, FieldRole::Option);
    add(QStringLiteral("区間数"), QString::number(system.sections.size()), {}, FieldRole::Input);
    for (const SummaryLine &line : SummaryLines(system, result, units)) {
        // The static head and terminal pressure are typed, the margin too.
        const bool typed = line.name == QStringLiteral("SummaryStaticHead") ||
                           line.name == QStringLiteral("SummaryTerminalPressure") ||
                           line.name == QStringLiteral("SummaryMargin");
        add(line.caption, line.text, line.unit, typed ? FieldRole::Input : FieldRole::Result);
    }
    int warned = 0;
    for (const auto &r : result.sections)
        warned += r.warnings.empty() ? 0 : 1;
    if (warned > 0)
        record.warning =
            QStringLiteral("注意のある区間が %1 件あります（式の適用範囲外の入力など）。")
                .arg(warned);
    return record;
}

} // namespace app::losssheet
