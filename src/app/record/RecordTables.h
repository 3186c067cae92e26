#pragma once

#include "app/ui/CalculationRecord.h"

#include <QList>
#include <QString>

// The records as tables, one per kind of calculation: what a spreadsheet
// sorts and filters needs one header row over one row per record.
//
// A kind is a calculation of a page: the page's caption and the run's title.
// Its records need not show the same fields: a round duct has a diameter
// where a rectangular one has two sides, and the unit system changes a
// field's unit. The table's columns are the union of its records' fields,
// each field in its page's order; a field is one column as long as its
// control, caption and unit stay the same, so a column never mixes two
// quantities or two units. A record leaves the columns of fields it did not
// show empty.
namespace app::record {

// A field's column: the control, and the caption and unit its header shows.
struct FieldColumn
{
    QString name;
    QString caption;
    QString unit;
};

struct KindTable
{
    QString page;
    QString calculation;
    QList<FieldColumn> columns;
    QList<const ui::CalculationRecord *> records; // oldest first
    // Whether any of the records names the work document it was made in:
    // then the table has a column for the names.
    bool documented = false;
    // The field of `records[record]` in `columns[column]`, or none.
    const ui::FieldValue *field(qsizetype record, qsizetype column) const;

    QList<QList<qsizetype>> fieldIndex; // per record and column; -1 where none
};

// Which kind a record is of, as one text (for choosing a kind).
QString KindOf(const ui::CalculationRecord &record);

// A kind of calculation among some records, and how many of them are of it.
struct KindCount
{
    QString kind; // KindOf
    QString page;
    QString calculation;
    qsizetype count = 0;
};

// The kinds of `records`, in the order each first appears.
QList<KindCount> CountKinds(const QList<const ui::CalculationRecord *> &records);

// The tables of `records` (oldest first), one per kind, in the order each
// kind first appears.
QList<KindTable> KindTables(const QList<const ui::CalculationRecord *> &records);

} // namespace app::record
