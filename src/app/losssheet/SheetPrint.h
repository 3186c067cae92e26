#pragma once

#include "app/ui/PrintedPages.h"
#include "losssheet/SheetUnits.h"
#include "losssheet/System.h"

#include <QString>

#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace app::losssheet {

// The title block of the printed sheets.
struct SheetTitle
{
    QString project;  // 件名
    QString designer; // 設計者
    QString date;     // 日付; today's when empty
};

using ui::PageNumbering;

// The printed loss sheet of each system, in the layout of a Japanese
// calculation sheet (送風機静圧計算書, ポンプ揚程計算書): the title and title block,
// the conditions, the section table (the critical path shaded), each
// section's fittings with their inputs and the sources of their methods, the
// summary and the terminals with their surpluses; page numbers at the foot.
// Each system starts on a new page. Painted with `painter`, already begun on
// `device`, from the device's current page (which must be empty): a report
// can append the sheets after pages of its own. Returns the pages painted.
int PaintLossSheets(QPainter &painter, QPagedPaintDevice &device,
                    const std::vector<::losssheet::System> &systems, const SheetTitle &title,
                    ::losssheet::UnitSystem units, PageNumbering numbering = {});

// The pages PaintLossSheets would paint on `device`.
int CountLossSheetPages(QPagedPaintDevice &device, const std::vector<::losssheet::System> &systems,
                        const SheetTitle &title, ::losssheet::UnitSystem units);

// A4 landscape with 12 mm margins, as the sheets are laid out for.
void SetLossSheetPageLayout(QPagedPaintDevice &device);

// Begins a painter on `device`, paints every page and ends: what a print
// preview, a printer and a PDF writer ask for. False when painting could not
// begin.
bool PrintLossSheets(QPagedPaintDevice &device, const std::vector<::losssheet::System> &systems,
                     const SheetTitle &title, ::losssheet::UnitSystem units);

} // namespace app::losssheet
