#pragma once

#include "losssheet/Results.h"
#include "losssheet/SheetTexts.h"
#include "losssheet/SheetUnits.h"
#include "losssheet/System.h"

#include <QString>
#include <QStringList>

#include <vector>

// The columns of the section table, as the window, the copy, the CSV file
// and the printed sheet all show them: one caption, unit and text for each
// cell, in the window's unit system.
namespace app::losssheet {

using ::losssheet::SystemKind;
using ::losssheet::UnitSystem;

enum Column {
    NameColumn,     // 区間, typed
    UpstreamColumn, // 上流, typed
    FlowColumn,     // typed, or the sum of the downstream sections
    SizeColumn,     // typed, or sized by the system's rule
    DiameterColumn,
    VelocityColumn,
    DynamicPressureColumn,
    LossPerMetreColumn,
    LengthColumn, // typed
    StraightLossColumn,
    SumZetaColumn,
    EquivalentLengthColumn, // pipes only: the fittings' equivalent lengths
    FittingLossColumn,
    EquipmentColumn,
    SectionLossColumn,
    CumulativeColumn,
    ColumnCount
};

// The cells a user types in.
bool IsInputColumn(int column);
// The columns of a system of `kind`, in order: all but the equivalent
// length for a duct system.
std::vector<int> ColumnsOf(SystemKind kind);

QString ColumnCaption(int column, SystemKind kind);
QString ColumnUnit(int column, SystemKind kind, UnitSystem units);
// "風量 m3/h", or the caption alone.
QString ColumnHeader(int column, SystemKind kind, UnitSystem units);

// What a cell shows. A typed cell shows what was typed (a size in its
// normal form "500×300"); a blank flow or size shows what the sheet found
// for it, as a result. The velocity and R are the duct or pipe page's own
// texts for the same inputs.
struct Cell
{
    QString text;
    bool result = false; // computed, not typed
};

Cell CellOf(int column, const ::losssheet::Section &section, const ::losssheet::SectionResult &r,
            const ::losssheet::SectionTexts &texts);

// What an editor of a typed cell starts from: the typed text, or "" for a
// blank cell.
QString TypedText(int column, const ::losssheet::Section &section);

// The header row and one row per section, the columns of the system's kind.
QList<QStringList> SectionRows(const ::losssheet::System &system,
                               const ::losssheet::SystemResult &result, UnitSystem units);

} // namespace app::losssheet
