#pragma once

#include "app/sizetable/SizeTableRequest.h"
#include "app/ui/SizingSource.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// The size table as the window shows it: captions, cell texts, sort keys and
// the facts behind the marks, built from a page's request. The marks that
// depend on the window's editable limits are left to the model.
namespace app::sizetable {

enum class ColumnKind {
    Mark,         // "●" on the row the page chose
    Text,         // a caption such as the shape
    Number,       // a value in the page's own text
    TargetFlag,   // marked where the size misses the sizing's target
    VelocityFlag, // marked where the velocity is above the window's limit
};

struct Column
{
    QString caption; // with the unit, as copied
    ColumnKind kind = ColumnKind::Number;
};

struct Cell
{
    QString text;
    std::optional<long double> key; // what the column sorts by; empty sorts last
};

// What a double click or Enter on a row puts into the page's loss section.
using ui::SizeChoice;

struct TableRow
{
    std::vector<Cell> cells; // one per column; mark and flag cells are empty
    bool chosen = false;
    bool missesTarget = false;
    std::optional<std::int64_t> aspectTenths;        // duct rectangles
    std::optional<std::int64_t> velocityThousandths; // pipes
    SizeChoice choice;
};

struct TableContent
{
    std::vector<Column> columns;
    std::vector<TableRow> rows;
    QString inputs;  // what the table was computed from, one or two lines
    QString message; // no sizing, a failed sizing or the warning; else empty
    bool warning = false;
};

TableContent DuctContent(const DuctTableRequest &request);
TableContent PipeContent(const PipeTableRequest &request);

} // namespace app::sizetable
