#pragma once

#include "losssheet/Results.h"
#include "losssheet/SheetUnits.h"
#include "losssheet/System.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <span>
#include <string_view>
#include <vector>

// What a loss sheet says beside its section table, as the printed sheet and
// the workbook both give it.
namespace app::losssheet {

// The item `index` of a list of choices, or "" beyond it.
QString ListItem(std::span<const std::string_view> items, int index);

// "円形", "長方形（一辺 300 mm 固定）": the size a duct system looks for.
QString ShapeText(const ::losssheet::DuctConditions &conditions);

// The system's conditions on one line: material, roughness, density, the
// sizing rule and its target, (pipes: static head and terminal pressure,)
// the margin.
QString ConditionsText(const ::losssheet::System &system, ::losssheet::UnitSystem units);

// "送風機静圧計算書" or "ポンプ揚程計算書".
QString SheetHeading(::losssheet::SystemKind kind);

// Every fitting and piece of equipment of every section, one row each, with
// the numbered sources of their methods.
struct FittingBreakdown
{
    QStringList header;
    std::vector<bool> numeric; // per column: right-aligned, a number in a workbook
    QList<QStringList> rows;
    std::vector<bool> onCriticalPath; // per row
    QStringList sources;              // "[n]" in a row's last column is sources[n - 1]
};
FittingBreakdown FittingsOf(const ::losssheet::System &system,
                            const ::losssheet::SystemResult &result, ::losssheet::UnitSystem units);

// The sections that could not be computed or carry warnings, one line each
// ("区間 2：…").
QStringList SectionProblems(const ::losssheet::System &system,
                            const ::losssheet::SystemResult &result);

} // namespace app::losssheet
