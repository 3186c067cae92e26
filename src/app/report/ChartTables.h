#pragma once

#include "app/report/ReportTable.h"
#include "chart/Diagram.h"

namespace app::report {

// The point and process tables of a chart in the report: the texts of the
// chart window's lists (chart/TableTexts.h), each number at the decimals
// the calculation record gives its unit (app/record/UnitPrecision.h) and
// computed from the model's value, not from a rounded text; a unit the
// record does not know (kW, kcal/h, kg/h, the SHF) keeps the list's text.
// The point table leaves out the pressure, which the chart's heading gives,
// and both leave out the column of problems when no row has one.
ReportTable PointTable(const ::chart::Diagram &diagram, bool conventionalUnits);
ReportTable ProcessTable(const ::chart::Diagram &diagram, bool conventionalUnits);

// A list's header cell ("乾球温度 ℃") as the report's two lines: the caption
// over its unit.
QString TwoLineHeader(const QString &cell);

} // namespace app::report
