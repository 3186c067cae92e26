#pragma once

#include "app/losssheet/LossSheetForm.h"
#include "app/losssheet/SectionColumns.h"
#include "losssheet/System.h"
#include "support/BoxRecorder.h"

#include <QLabel>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// Types into a cell of a table view as the user does: the cell made
// current, F2, the text typed key by key, Enter. Returns the editor when it
// is still open afterwards (Enter refused the text), else null.
QWidget *TypeCell(QTableView *view, int row, int column, const QString &text);
// Types `text` into the widget with the keyboard, a key per character.
void TypeKeys(QWidget *widget, const QString &text);
// The open cell editor of a view, or null.
QWidget *OpenEditor(QTableView *view);

// A loss sheet window of its own, shown and active; its modal boxes are
// closed and recorded.
class LossSheetTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    template <typename W = QWidget> W *find(const char *name) const
    {
        W *w = form_->findChild<W *>(QString::fromLatin1(name));
        EXPECT_TRUE(w) << "no control " << name;
        return w;
    }
    QTableView *sections() const { return find<QTableView>("SectionTable"); }
    QTableView *fittings() const { return find<QTableView>("FittingTable"); }
    QString cell(int row, int column) const;
    QString summary(const char *name) const { return find<QLabel>(name)->text(); }
    QWidget *typeCell(int row, int column, const QString &text)
    {
        return TypeCell(sections(), row, column, text);
    }
    // Ins in the section table.
    void insertSection();
    // The section table as typed in this fixture's three-section system:
    // 1 (from the fan, 10 m) feeding 2 (1800 m³/h, 5 m) and 3 (2400 m³/h, 8 m).
    void typeThreeSections();
    const losssheet::System &system() const;

    std::unique_ptr<app::losssheet::LossSheetForm> form_;
    BoxRecorder boxes_;
    QList<app::ui::CalculationRecord> records_;
};

// The same three sections, as the engine takes them.
losssheet::System ThreeSections();
