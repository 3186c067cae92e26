// How a typed cell goes into the section and fitting tables: a refused text
// or a failing one stores nothing and says why, an unchanged text is no
// edit, and a changed one is exactly one edit of the sheet's model.
#include "LossSheetFixture.h"

#include "app/losssheet/FittingTableModel.h"
#include "app/losssheet/LossSheetModel.h"
#include "app/losssheet/SectionTableModel.h"
#include "losssheet/Calculator.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace app::losssheet;

enum class Table { Sections, Fittings };

struct CellCase
{
    const char *name;
    Table table;
    int column;
    const char *text;
    bool stored;  // setData's answer
    bool refused; // editRefused said why
    int edits;    // of the sheet's model
};

const CellCase CellCases[] = {
    {"SectionLengthTyped", Table::Sections, LengthColumn, "12", true, false, 1},
    {"SectionLengthUnchanged", Table::Sections, LengthColumn, "10", true, false, 0},
    {"SectionLengthNotANumber", Table::Sections, LengthColumn, "abc", false, true, 0},
    {"SectionLengthDividedByZero", Table::Sections, LengthColumn, "1/0", false, true, 0},
    {"SectionResultIsNotTyped", Table::Sections, VelocityColumn, "3", false, false, 0},
    {"FittingCountTyped", Table::Fittings, FittingTableModel::CountColumn, "2", true, false, 1},
    {"FittingCountUnchanged", Table::Fittings, FittingTableModel::CountColumn, "1", true, false, 0},
    {"FittingCountNotANumber", Table::Fittings, FittingTableModel::CountColumn, "x", false, true,
     0},
    {"FittingCountDividedByZero", Table::Fittings, FittingTableModel::CountColumn, "1/0", false,
     true, 0},
    {"FittingNoteTyped", Table::Fittings, FittingTableModel::NoteColumn, "AHU-1", true, false, 1},
    {"FittingKindIsNotTyped", Table::Fittings, FittingTableModel::KindColumn, "x", false, false, 0},
};

class SheetTableCellTest : public ::testing::TestWithParam<CellCase>
{
};

TEST_P(SheetTableCellTest, GoesInWholeOrNotAtAll)
{
    const CellCase &c = GetParam();
    losssheet::System system = ThreeSections();
    system.sections[0].fittings.push_back({});
    LossSheetModel sheet;
    sheet.setSystems({system});
    auto result = std::make_shared<const losssheet::SystemResult>(
        losssheet::Compute(system, losssheet::UnitSystem::Conventional));

    SectionTableModel sections(sheet);
    sections.showSystem(0, result);
    FittingTableModel fittings(sheet);
    fittings.showSection(0, 0, result);
    SheetTableModel &model = c.table == Table::Sections ? static_cast<SheetTableModel &>(sections)
                                                        : static_cast<SheetTableModel &>(fittings);

    QSignalSpy refusals(&model, &SheetTableModel::editRefused);
    QSignalSpy edits(&sheet, &LossSheetModel::systemsEdited);
    const QModelIndex cell = model.index(0, c.column);
    EXPECT_EQ(model.setData(cell, QString::fromUtf8(c.text), Qt::EditRole), c.stored);
    EXPECT_EQ(edits.count(), c.edits);
    ASSERT_EQ(refusals.count(), c.refused ? 1 : 0);
    if (c.refused) {
        EXPECT_FALSE(refusals.first().first().toString().isEmpty());
        EXPECT_EQ(sheet.system(0).sections[0].length, 10);
        EXPECT_EQ(sheet.system(0).sections[0].fittings[0].count, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Cells, SheetTableCellTest, ::testing::ValuesIn(CellCases),
                         [](const auto &param) { return std::string(param.param.name); });

} // namespace
