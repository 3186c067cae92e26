#include "app/losssheet/SummaryTexts.h"

#include "app/losssheet/LossSheetTexts.h"
#include "app/losssheet/Utf8.h"
#include "fittings/Quantities.h"
#include "losssheet/CaptionTexts.h"
#include "losssheet/SheetTexts.h"

namespace app::losssheet {

using ::losssheet::SystemKind;

QString CriticalPathText(const ::losssheet::System &system, const ::losssheet::Summary &summary)
{
    QStringList names;
    for (int i : summary.criticalPath) {
        if (i >= 0 && static_cast<std::size_t>(i) < system.sections.size())
            names << Utf8(system.sections[static_cast<std::size_t>(i)].name);
    }
    return names.join(QStringLiteral(" → "));
}

QList<SummaryLine> SummaryLines(const ::losssheet::System &system,
                                const ::losssheet::SystemResult &result,
                                ::losssheet::UnitSystem units)
{
    const ::losssheet::Summary &s = result.summary;
    const auto t = ::losssheet::TextsOf(s, system.kind, units);
    const QString pressure = Utf8(::losssheet::PressureScale(system.kind, units).unit);
    QList<SummaryLine> lines{
        {QStringLiteral("SummaryCriticalPath"),
         Utf8(texts::CriticalPath),
         CriticalPathText(system, s),
         {}},
        {QStringLiteral("SummaryFriction"), Utf8(::losssheet::texts::StraightLoss),
         Utf8(t.friction), pressure},
        {QStringLiteral("SummaryFittings"), Utf8(::losssheet::texts::FittingLoss), Utf8(t.fittings),
         pressure},
        {QStringLiteral("SummaryEquipment"), Utf8(fittings::quantity::Equipment), Utf8(t.equipment),
         pressure},
    };
    if (system.kind == SystemKind::Pipe) {
        lines << SummaryLine{QStringLiteral("SummaryStaticHead"),
                             Utf8(::losssheet::texts::StaticHead), Utf8(t.staticHead),
                             QStringLiteral("m")}
              << SummaryLine{QStringLiteral("SummaryTerminalPressure"),
                             Utf8(::losssheet::texts::TerminalPressure), Utf8(t.terminalPressure),
                             QStringLiteral("kPa")};
    }
    lines << SummaryLine{QStringLiteral("SummaryLoss"), QStringLiteral("系統の損失"),
                         Utf8(t.systemLoss), pressure}
          << SummaryLine{QStringLiteral("SummaryMargin"), Utf8(::losssheet::texts::Margin),
                         Utf8(t.margin), QStringLiteral("%")};
    if (system.kind == SystemKind::Duct) {
        lines << SummaryLine{QStringLiteral("SummaryResult"),
                             Utf8(::losssheet::texts::RequiredStaticPressure), Utf8(t.required),
                             pressure, true};
    } else {
        lines << SummaryLine{QStringLiteral("SummaryResult"), Utf8(::losssheet::texts::TotalHead),
                             Utf8(t.required), QStringLiteral("m"), true}
              << SummaryLine{QStringLiteral("SummaryResultKilopascals"),
                             Utf8(::losssheet::texts::TotalHead), Utf8(t.requiredKilopascals),
                             QStringLiteral("kPa"), true};
    }
    return lines;
}

QString SummaryProblem(const ::losssheet::SystemResult &result)
{
    QStringList parts;
    for (const std::string &p : result.summary.problems)
        parts << Utf8(p);
    if (const int n = result.summary.sectionsWithProblems; n > 0)
        parts << QStringLiteral(
                     "計算できない区間が %1 件あります（その区間と下流を除いた結果です）。")
                     .arg(n);
    return parts.join(QLatin1Char(' '));
}

QList<QStringList> TerminalRows(const ::losssheet::System &system,
                                const ::losssheet::SystemResult &result,
                                ::losssheet::UnitSystem units)
{
    const QString pressure = Utf8(::losssheet::PressureScale(system.kind, units).unit);
    QList<QStringList> rows{{QStringLiteral("末端区間"), QStringLiteral("経路の損失 ") + pressure,
                             QStringLiteral("余剰圧 ") + pressure}};
    const auto t = ::losssheet::TextsOf(result.summary, system.kind, units);
    for (std::size_t i = 0; i < result.summary.terminals.size(); ++i) {
        const int section = result.summary.terminals[i].section;
        const QString name =
            section >= 0 && static_cast<std::size_t>(section) < system.sections.size()
                ? Utf8(system.sections[static_cast<std::size_t>(section)].name)
                : QString();
        rows << QStringList{name, Utf8(t.terminals[i].pathLoss), Utf8(t.terminals[i].surplus)};
    }
    return rows;
}

} // namespace app::losssheet
