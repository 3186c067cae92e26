#pragma once

#include "losssheet/Results.h"
#include "losssheet/SheetUnits.h"
#include "losssheet/System.h"

#include <QList>
#include <QString>
#include <QStringList>

// The summary and the terminals as the window, the record and the printed
// sheet say them.
namespace app::losssheet {

struct SummaryLine
{
    QString name;        // objectName of the window's value ("SummaryResult")
    QString caption;     // 必要静圧
    QString text;        // "425.5"
    QString unit;        // "Pa"
    bool result = false; // the line the system is for
};

// "1 → 5 → 7", the critical path by section names.
QString CriticalPathText(const ::losssheet::System &system, const ::losssheet::Summary &summary);

// The critical path, the friction, fittings and equipment along it, (pipes:
// the static head and the terminal pressure,) the system loss, the margin
// and the result: a duct system's required static pressure, a pipe
// system's total head in m and in kPa.
QList<SummaryLine> SummaryLines(const ::losssheet::System &system,
                                const ::losssheet::SystemResult &result,
                                ::losssheet::UnitSystem units);

// What keeps the result from counting every section, or "": sections that
// could not be computed, the system's own problems.
QString SummaryProblem(const ::losssheet::SystemResult &result);

// The terminals' header row and one row each: section, path loss, surplus.
QList<QStringList> TerminalRows(const ::losssheet::System &system,
                                const ::losssheet::SystemResult &result,
                                ::losssheet::UnitSystem units);

} // namespace app::losssheet
