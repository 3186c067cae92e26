#pragma once

#include "spreadsheet/Cell.h"

#include <cstddef>
#include <string>
#include <vector>

// A workbook as plain data: what each window wants to hand a spreadsheet,
// independent of how the file is written (WorkbookFile.h).
namespace spreadsheet {

using Row = std::vector<Cell>;

// A further table of a sheet, below the first: a printed sheet has several
// (its fittings, its totals, its terminals).
struct Table
{
    std::string caption; // bold, above the table
    std::vector<std::string> header;
    std::vector<Row> rows;
};

// One worksheet, top to bottom: a title area, a header row over a table of
// rows, and a summary block. A window's table is a sheet with a header and
// rows; a printed sheet adds the lines above and below its table.
struct Sheet
{
    std::string name; // the tab's name; made valid and unique when written
    // Lines above the table, the first of them the sheet's heading (bold);
    // an empty row follows them. A line of one cell runs on over the columns
    // beside it (their widths are the table's).
    std::vector<Row> title;
    // The captions of the table's columns, with their units ("風量 [m3/h]"):
    // bold, kept in view while scrolling, each with a filter button.
    std::vector<std::string> header;
    std::vector<Row> rows;
    // Further tables, each after an empty row.
    std::vector<Table> tables;
    // Lines below the tables after an empty row: totals, a result; a text in
    // the first column reads as the line's label (bold).
    std::vector<Row> summary;
};

struct Workbook
{
    std::string title; // the document's title in its properties
    std::vector<Sheet> sheets;
};

using TextRow = std::vector<std::string>;

// A table of texts as shown (a window's list): each cell a number where its
// text is one (FromShownText), the text otherwise; the cells of
// `textColumns` (labels, notes) stay texts whatever they hold.
Sheet TableSheet(std::string name, TextRow header, const std::vector<TextRow> &rows,
                 const std::vector<std::size_t> &textColumns = {});

// One row of such a table.
Row ShownRow(const TextRow &texts, const std::vector<std::size_t> &textColumns = {});

} // namespace spreadsheet
