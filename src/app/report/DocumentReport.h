#pragma once

#include "document/Document.h"
#include "losssheet/SheetUnits.h"

#include <QString>

class QPagedPaintDevice;
class QWidget;

namespace app::report {

// The units the report shows: the chart's (kcal/kg and mmHg, or kJ/kg and
// kPa, as the chart window's switch) and the loss sheets' (the loss-sheet
// window's switch).
struct ReportUnits
{
    bool conventionalChart = true;
    ::losssheet::UnitSystem sheets = ::losssheet::UnitSystem::Conventional;
};

// The printed report of a work document, A4 landscape, each page numbered
// "n / total" at its foot:
//   - the first page: the title, the title block (件名, 設計者, 日付 — today's
//     when empty —, 備考) and the contents with the page each part starts on;
//   - each chart on a new page: its name and pressure, the chart as the chart
//     window prints it (app/chart's ChartRenderer on white paper, with its
//     legend), then its point and process tables with the heats, the
//     numbers at the calculation record's decimals and aligned on their
//     decimal points; a table row is never cut, and a table that goes on to
//     the next page repeats its heading and header;
//   - each loss-sheet system's sheet (app/losssheet PaintLossSheets).
// Sets the device's page layout, begins and ends its own painter; returns
// the pages painted, 0 when painting could not begin.
int PaintDocumentReport(QPagedPaintDevice &device, const ::document::Document &document,
                        const ReportUnits &units);

// The pages PaintDocumentReport paints on `device`, without painting.
int CountDocumentReportPages(QPagedPaintDevice &device, const ::document::Document &document,
                             const ReportUnits &units);

// A4 landscape with 12 mm margins, as the loss sheets are laid out for.
void SetReportPageLayout(QPagedPaintDevice &device);

// The report in a print preview, modal over `parent`: printing goes through
// the print dialog, which also writes PDF. `documentName` (the file's name,
// or empty for an untitled document) names the print job.
void PreviewDocumentReport(const ::document::Document &document, const ReportUnits &units,
                           const QString &documentName, QWidget *parent);

} // namespace app::report
