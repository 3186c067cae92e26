// What every list of the program shares through app::ui::NumberedTableModel:
// its counts, no children under a cell, rows numbered down the side and a
// caption over every column; and the printed sheets' title block.
#include "app/chart/ChartTableModels.h"
#include "app/losssheet/FittingTableModel.h"
#include "app/losssheet/LossSheetModel.h"
#include "app/losssheet/SectionTableModel.h"
#include "app/record/Journal.h"
#include "app/record/RecordModel.h"
#include "app/ui/TitleBlock.h"
#include "chart/StatePoints.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ModelCase
{
    const char *name;
    QAbstractItemModel *model;
    int rows;
    int columns;
};

TEST(TableModelsTest, CountsNumberedRowsAndCaptionedColumns)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    app::record::Journal journal(folder.path());
    app::record::RecordModel records(journal);

    chart::Diagram diagram;
    diagram.addPoint(chart::FromDryBulbAndHumidityRatio(20, 0.008L));
    diagram.addPoint(chart::FromDryBulbAndHumidityRatio(26, 0.011L));
    app::chart::ChartPointsModel points(diagram);
    points.sync();
    app::chart::ChartProcessesModel processes(diagram);

    app::losssheet::LossSheetModel sheet;
    losssheet::System system;
    system.sections.resize(3);
    system.sections[0].fittings.resize(2);
    sheet.add(system);
    app::losssheet::SectionTableModel sections(sheet);
    sections.showSystem(0, nullptr);
    app::losssheet::FittingTableModel fittings(sheet);
    fittings.showSection(0, 0, nullptr);

    const ModelCase cases[] = {
        {"records", &records, journal.count(), app::record::RecordModel::ColumnCount},
        {"points", &points, 2, chart::PointColumnCount},
        {"processes", &processes, 0, static_cast<int>(chart::ProcessHeader(true).size())},
        {"sections", &sections, 3, app::losssheet::ColumnCount},
        {"fittings", &fittings, 2, app::losssheet::FittingTableModel::ColumnCount},
    };
    for (const ModelCase &c : cases) {
        SCOPED_TRACE(c.name);
        QAbstractItemModel &m = *c.model;
        EXPECT_EQ(m.rowCount(), c.rows);
        EXPECT_EQ(m.columnCount(), c.columns);
        if (c.rows > 0) {
            const QModelIndex cell = m.index(0, 0);
            ASSERT_TRUE(cell.isValid());
            EXPECT_EQ(m.rowCount(cell), 0);
            EXPECT_EQ(m.columnCount(cell), 0);
        }
        for (int row = 0; row < 3; ++row)
            EXPECT_EQ(m.headerData(row, Qt::Vertical, Qt::DisplayRole), QVariant(row + 1));
        EXPECT_FALSE(m.headerData(0, Qt::Vertical, Qt::ToolTipRole).isValid());
        EXPECT_FALSE(m.headerData(0, Qt::Vertical, Qt::FontRole).isValid());
        for (int column = 0; column < c.columns; ++column) {
            SCOPED_TRACE(column);
            EXPECT_FALSE(m.headerData(column, Qt::Horizontal, Qt::DisplayRole)
                             .toString()
                             .trimmed()
                             .isEmpty());
        }
    }
}

// The block stands where its frame says, each caption cell shaded, the
// values' cells clear, one rule per row and the frame around all rows.
TEST(TableModelsTest, TitleBlockFillsItsFrame)
{
    QImage page(200, 100, QImage::Format_RGB32);
    page.fill(Qt::white);
    const QColor shade(0x80, 0xc0, 0xff);
    const app::ui::TitleBlockFrame frame{20, 10, 150, 40, 20, 4, 6, 1, 2, shade};
    {
        QPainter p(&page);
        app::ui::PaintTitleBlock(p, {{QString(), QString()}, {QString(), QString()}}, frame);
    }
    struct Probe
    {
        const char *what;
        int x;
        int y;
        QColor colour;
    };
    const Probe probes[] = {
        {"first caption cell", 30, 20, shade},          {"second caption cell", 30, 40, shade},
        {"first value cell", 120, 20, Qt::white},       {"second value cell", 120, 40, Qt::white},
        {"rule between the rows", 120, 30, Qt::black},  {"frame's left edge", 20, 25, Qt::black},
        {"frame's right edge", 170, 25, Qt::black},     {"frame's bottom edge", 120, 50, Qt::black},
        {"rule after the captions", 60, 45, Qt::black}, {"below the block", 120, 55, Qt::white},
        {"right of the block", 180, 25, Qt::white},
    };
    for (const Probe &probe : probes) {
        SCOPED_TRACE(probe.what);
        EXPECT_EQ(page.pixelColor(probe.x, probe.y), probe.colour);
    }
}

} // namespace
