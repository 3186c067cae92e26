#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace app::ui {
class PrintedPages;
}

namespace app::report {

// A table of the report: a title, a header row (a caption and its unit on
// two lines), and rows of texts; number columns are aligned on their
// decimal points.
struct ReportTable
{
    QString title;
    QStringList header;
    std::vector<bool> numeric; // per column
    QList<QStringList> rows;
};

// Paints the table from pages.y at the page's full width, the font made
// smaller (down to 6 pt) until its columns fit; a row that does not fit
// goes to the next page whole, after what pages.onNewPage paints there (the
// part's heading), under the table's title marked （続き） and its header.
// Without a painter it only advances the pages.
void PaintTable(ui::PrintedPages &pages, const ReportTable &table);

} // namespace app::report
