// A row chosen in the size table through the real program: the duct page's
// loss section takes the row's shape with its sizes, computes it, and the
// record describes the shape the numbers were computed for.
#include "support/FormFixture.h"

#include "app/record/Journal.h"
#include "app/sizetable/SizeTableForm.h"
#include "app/ui/CalcPage.h"

#include <QAction>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include <cmath>
#include <numbers>

namespace {

using app::ui::CalculationRecord;

constexpr double Flow = 6000; // m³/h, sized at the default 0.100 mmAq/m

class SizeTableLinkTest : public FormTest
{
protected:
    QTableView *openTable()
    {
        find<QAction>("SizeTable1")->trigger();
        auto *table =
            form_->findChild<app::sizetable::SizeTableForm *>(QStringLiteral("SizeTableForm"));
        EXPECT_TRUE(table);
        return table ? table->findChild<QTableView *>(QStringLiteral("SizeTable")) : nullptr;
    }
    static QString cell(QTableView *view, int row, int column)
    {
        return view->model()->index(row, column).data().toString();
    }
    // The first row of the shape that the page's sizing did not choose.
    static int rowOfShape(QTableView *view, bool round)
    {
        for (int row = 0; row < view->model()->rowCount(); ++row) {
            const bool isRound = cell(view, row, 1) == QStringLiteral("円形");
            if (isRound == round && cell(view, row, 0).isEmpty() &&
                (round || cell(view, row, 4).toDouble() < 3))
                return row;
        }
        ADD_FAILURE() << "no row of that shape";
        return -1;
    }
    static void doubleClick(QTableView *view, int row)
    {
        view->scrollTo(view->model()->index(row, 2));
        const QPoint at = view->visualRect(view->model()->index(row, 2)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    }
    const CalculationRecord &lastRecord() const
    {
        return form_->journal().at(form_->journal().count() - 1);
    }
    // The record's text of a caption in the loss section (or the options).
    static QString recorded(const CalculationRecord &r, const QString &caption)
    {
        for (const app::ui::FieldValue &f : r.fields) {
            if (f.caption == caption)
                return f.text;
        }
        return {};
    }
    bool staleOnPage(const char *name) const
    {
        for (const app::ui::FieldValue &f : form_->pages().at(TDuctForm::DuctPageIndex)->fields()) {
            if (f.name == QLatin1String(name))
                return f.stale;
        }
        ADD_FAILURE() << "no field " << name;
        return false;
    }
};

// Both directions, and the row of the page's own shape, which changes
// nothing but the loss section.
TEST_F(SizeTableLinkTest, AChosenRowBringsItsShapeAndTheRecordDescribesIt)
{
    const struct
    {
        const char *name;
        bool pageRound;
        bool rowRound;
    } cases[] = {
        {"rectangle row while on round", true, false},
        {"round row while on rectangle", false, true},
        {"rectangle row while on rectangle", false, false},
        {"round row while on round", true, true},
    };
    showPage(TDuctForm::DuctPageIndex);
    QTableView *view = openTable();
    ASSERT_TRUE(view);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QApplication::setActiveWindow(form_.get());
        find<QRadioButton>(c.pageRound ? "MaruButton" : "KakuButton")->click();
        type("S_Fryo", QString::number(Flow));
        pressEnter("S_Fryo");
        ASSERT_FALSE(staleOnPage("S_Fusok"));

        const int row = rowOfShape(view, c.rowRound);
        ASSERT_GE(row, 0);
        const QString sideA = cell(view, row, 2), sideB = cell(view, row, 3);
        const QString velocity = cell(view, row, 6), loss = cell(view, row, 7);
        const double diameter = cell(view, row, 5).toDouble();
        const int records = form_->journal().count();
        doubleClick(view, row);

        // The page switched as a click on the shape's button switches it.
        EXPECT_EQ(find<QRadioButton>("MaruButton")->isChecked(), c.rowRound);
        EXPECT_EQ(find<QRadioButton>("KakuButton")->isChecked(), !c.rowRound);
        EXPECT_EQ(edit("P_Size1")->isEnabled(), !c.rowRound);
        EXPECT_EQ(edit("P_Size2")->isEnabled(), !c.rowRound);
        EXPECT_EQ(edit("P_SizeD")->isReadOnly(), !c.rowRound);
        // The sizing's results were computed for the shape the page had.
        EXPECT_EQ(staleOnPage("S_Fusok"), c.pageRound != c.rowRound);

        // The loss section shows the row's numbers.
        EXPECT_EQ(text("P_Fryo"), QStringLiteral("6000"));
        if (!c.rowRound) {
            EXPECT_EQ(text("P_Size1"), sideA);
            EXPECT_EQ(text("P_Size2"), sideB);
        }
        EXPECT_NEAR(text("P_SizeD").toDouble(), diameter, 0.05);
        EXPECT_EQ(text("P_Fusok"), velocity);
        EXPECT_EQ(text("P_Ason"), loss);
        // The velocity is the air volume over the section of that shape.
        const double area = c.rowRound ? std::numbers::pi / 4 * std::pow(diameter / 1000, 2)
                                       : sideA.toDouble() / 1000 * sideB.toDouble() / 1000;
        EXPECT_NEAR(text("P_Fusok").toDouble(), Flow / 3600 / area, 0.0006);

        // The record: the shape computed, its sizes, its numbers.
        ASSERT_GT(form_->journal().count(), records);
        const CalculationRecord r = lastRecord(); // a copy: the next record may move the list
        EXPECT_EQ(r.calculation, QStringLiteral("ダクト圧力損失計算"));
        EXPECT_EQ(recorded(r, QStringLiteral("形状")),
                  c.rowRound ? QStringLiteral("円形ダクト") : QStringLiteral("矩形ダクト"));
        EXPECT_EQ(recorded(r, QStringLiteral("一辺")), c.rowRound ? QString() : sideA);
        EXPECT_EQ(recorded(r, QStringLiteral("他辺")), c.rowRound ? QString() : sideB);
        EXPECT_EQ(recorded(r, c.rowRound ? QStringLiteral("直径") : QStringLiteral("相当径")),
                  text("P_SizeD"));
        EXPECT_EQ(recorded(r, QStringLiteral("風速")), velocity);
        EXPECT_EQ(recorded(r, QStringLiteral("圧力損失")), loss);

        // Enter in the section's own input computes the same shape again.
        const char *input = c.rowRound ? "P_SizeD" : "P_Size2";
        edit(input)->setFocus();
        pressEnter(input);
        EXPECT_EQ(text("P_Fusok"), velocity);
        EXPECT_EQ(recorded(lastRecord(), QStringLiteral("形状")),
                  recorded(r, QStringLiteral("形状")));
    }
}

// Enter in the equivalent diameter of a rectangle computes a round duct of
// that diameter (the field decides, not the shape): its record says so.
TEST_F(SizeTableLinkTest, ARoundDuctComputedOnTheRectangleIsRecordedAsRound)
{
    showPage(TDuctForm::DuctPageIndex);
    find<QRadioButton>("KakuButton")->click();
    type("P_Fryo", QString::number(Flow));
    type("P_Size1", QStringLiteral("500"));
    type("P_Size2", QStringLiteral("350"));
    pressEnter("P_Size2");
    EXPECT_EQ(recorded(lastRecord(), QStringLiteral("形状")), QStringLiteral("矩形ダクト"));
    EXPECT_EQ(text("P_Fusok"), QStringLiteral("9.524")); // 6000 / 3600 / (0.5 × 0.35)

    edit("P_SizeD")->setFocus();
    pressEnter("P_SizeD");
    const double diameter = text("P_SizeD").toDouble();
    EXPECT_NEAR(text("P_Fusok").toDouble(),
                Flow / 3600 / (std::numbers::pi / 4 * std::pow(diameter / 1000, 2)), 0.0006);
    const CalculationRecord &r = lastRecord();
    EXPECT_EQ(recorded(r, QStringLiteral("形状")), QStringLiteral("円形ダクト"));
    EXPECT_EQ(recorded(r, QStringLiteral("直径")), text("P_SizeD"));
    EXPECT_EQ(recorded(r, QStringLiteral("一辺")), QString());
    EXPECT_EQ(recorded(r, QStringLiteral("風速")), text("P_Fusok"));
    // The page itself still describes the shape chosen.
    EXPECT_TRUE(find<QRadioButton>("KakuButton")->isChecked());
    for (const app::ui::FieldValue &f : form_->pages().at(TDuctForm::DuctPageIndex)->fields()) {
        if (f.name == QLatin1String("KakuButton")) {
            EXPECT_EQ(f.text, QStringLiteral("矩形ダクト"));
        } else if (f.name == QLatin1String("P_SizeD")) {
            EXPECT_EQ(f.caption, QStringLiteral("相当径"));
        }
    }
}

} // namespace
