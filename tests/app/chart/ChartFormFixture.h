#pragma once

#include "app/chart/ChartForm.h"
#include "chart/TableTexts.h"

#include <QApplication>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// The chart window, shown and active, for each test.
class ChartFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form_ = std::make_unique<app::chart::ChartForm>();
        form_->show();
        QApplication::setActiveWindow(form_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }

    template <typename W = QWidget> W *find(const char *name) const
    {
        W *w = form_->findChild<W *>(QString::fromLatin1(name));
        EXPECT_TRUE(w) << "no control " << name;
        return w;
    }
    QTableView *points() const { return find<QTableView>("ChartPoints"); }
    QString cell(QTableView *view, int row, int column) const
    {
        return view->model()->index(row, column).data().toString();
    }
    std::vector<QString> eightTexts(int row) const
    {
        std::vector<QString> texts;
        for (int c = chart::DryBulbColumn; c <= chart::PressureColumn; ++c)
            texts.push_back(cell(points(), row, c));
        return texts;
    }

    std::unique_ptr<app::chart::ChartForm> form_;
};
