#pragma once

#include "app/ui/CalculationRecord.h"

#include <QList>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace app::record {

// What the title block of a calculation sheet says.
struct TitleBlock
{
    QString project;  // 件名
    QString designer; // 設計者
    QString date;     // 日付; today's date when empty
    QString notes;    // 備考; printed only when there is one
};

// The date line of a title block: its date, or today's ("2025年6月2日").
QString DateLine(const TitleBlock &title);

// The printed calculation sheet (texts::SheetTitle): a title block on the first page,
// then per record a heading, its note, and a small table of its inputs,
// options and results with their units, each number at the decimals of its
// unit (UnitPrecision.h) and right-aligned on its decimal point; page numbers at the foot of every
// page. The same painting serves the print preview, the printer and a PDF file.
class CalculationSheet
{
public:
    CalculationSheet(TitleBlock title, QList<const ui::CalculationRecord *> records);

    // Paints every page onto `device` (a QPrinter or a QPdfWriter), which
    // holds the page size and margins. False when painting could not begin.
    bool paint(QPagedPaintDevice &device) const;

    // The date line of the title block.
    QString dateText() const;

private:
    TitleBlock title_;
    QList<ui::CalculationRecord> records_; // copies: the journal may change while a preview is open
};

// A4 portrait with 15 mm margins, as the sheet is laid out for.
void SetSheetPageLayout(QPagedPaintDevice &device);

} // namespace app::record
