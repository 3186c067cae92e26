#include "LossSheetFixture.h"

#include "app/document/DocumentCommands.h"
#include "app/document/Session.h"
#include "app/losssheet/LossSheetModel.h"
#include "app/record/Journal.h"
#include "pipe/PipeTables.h"
#include "support/FormFixture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

namespace {

using namespace app::losssheet;

class LossSheetInTheWindow : public FormTest
{
protected:
    LossSheetForm *openSheet()
    {
        auto *action = form_->findChild<QAction *>(QStringLiteral("LossSheet1"));
        EXPECT_TRUE(action);
        action->trigger();
        auto *sheet = form_->findChild<LossSheetForm *>(QStringLiteral("LossSheetForm"));
        EXPECT_TRUE(sheet && sheet->isVisible());
        return sheet;
    }
    QTableView *table() const { return find<QTableView>("SectionTable"); }
    QString cell(int row, int column) const
    {
        return table()->model()->index(row, column).data().toString();
    }
    // The page's own text of a velocity or R cell, from its tip.
    QString pageText(int row, int column) const
    {
        const QString tip = table()->model()->index(row, column).data(Qt::ToolTipRole).toString();
        return tip.mid(tip.indexOf(QChar(u'：')) + 1);
    }
    // A section of its own per case: flow and size typed, 10 m.
    void typeSection(int row, const QString &flow, const QString &size)
    {
        table()->setFocus();
        QTest::keyClick(table(), Qt::Key_Insert);
        EXPECT_FALSE(TypeCell(table(), row, UpstreamColumn, QString()));
        EXPECT_FALSE(TypeCell(table(), row, FlowColumn, flow));
        EXPECT_FALSE(TypeCell(table(), row, SizeColumn, size));
        EXPECT_FALSE(TypeCell(table(), row, LengthColumn, QStringLiteral("10")));
    }
    void setUnits(bool conventional)
    {
        find<QRadioButton>(conventional ? "TaniButton1" : "TaniButton2")->click();
    }
};

TEST_F(LossSheetInTheWindow, ToolsMenuOpensTheWindowWithCtrlK)
{
    auto *action = form_->findChild<QAction *>(QStringLiteral("LossSheet1"));
    ASSERT_TRUE(action);
    EXPECT_EQ(action->text(), QStringLiteral("系統圧損計算(&P)..."));
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
    LossSheetForm *sheet = openSheet();
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->windowTitle(), QStringLiteral("系統圧損計算 — 無題"));
    EXPECT_FALSE(sheet->isModal());
    sheet->close();
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_EQ(openSheet(), sheet); // the same window, kept for the session
}

// The decimals of a number text: the sheet prints a velocity with 2, an R
// with 3 in mmAq/m and 2 in Pa/m.
namespace {
int Decimals(const QString &number)
{
    const int point = number.indexOf(QLatin1Char('.'));
    return point < 0 ? 0 : static_cast<int>(number.size() - point - 1);
}
} // namespace

// Each section's velocity and R are, in the page's own texts, what the duct page shows for the
// same flow and size, and a blank size is the page's sizing; in both unit
// systems, the loss sheet following the window's switch.
TEST_F(LossSheetInTheWindow, DuctSectionsReadAsTheDuctPage)
{
    LossSheetForm *sheet = openSheet();
    QTest::mouseClick(find("AddDuctSystemButton"), Qt::LeftButton);
    struct Case
    {
        const char *flow;
        const char *size; // as typed in the sheet; "" to size by the rule
        bool round;
        const char *side1; // the page's loss section
        const char *side2;
    };
    const Case cases[] = {
        {"3600", "φ400", true, "400", nullptr}, {"5000", "500×300", false, "500", "300"},
        {"800", "250", true, "250", nullptr},   {"12000", "1200x400", false, "1200", "400"},
        {"3600", "", false, nullptr, nullptr},  {"20000", "", false, nullptr, nullptr},
    };
    for (int row = 0; row < static_cast<int>(std::size(cases)); ++row)
        typeSection(row, QString::fromLatin1(cases[row].flow), QString::fromUtf8(cases[row].size));

    for (const bool conventional : {true, false}) {
        setUnits(conventional);
        EXPECT_EQ(sheet->units(),
                  conventional ? losssheet::UnitSystem::Conventional : losssheet::UnitSystem::SI);
        showPage(TDuctForm::DuctPageIndex);
        for (int row = 0; row < static_cast<int>(std::size(cases)); ++row) {
            const Case &c = cases[row];
            SCOPED_TRACE(testing::Message()
                         << (conventional ? "conventional " : "SI ") << c.flow << " " << c.size);
            if (c.side1) {
                find<QRadioButton>(c.round ? "MaruButton" : "KakuButton")->click();
                type("P_Fryo", QString::fromLatin1(c.flow));
                if (c.round) {
                    type("P_SizeD", QString::fromLatin1(c.side1));
                    pressEnter("P_SizeD");
                } else {
                    type("P_Size1", QString::fromLatin1(c.side1));
                    type("P_Size2", QString::fromLatin1(c.side2));
                    pressEnter("P_Size2");
                }
                EXPECT_EQ(pageText(row, VelocityColumn), text("P_Fusok"));
                EXPECT_EQ(pageText(row, LossPerMetreColumn), text("P_Ason"));
                EXPECT_EQ(Decimals(cell(row, VelocityColumn)), 2);
                EXPECT_EQ(Decimals(cell(row, LossPerMetreColumn)), conventional ? 3 : 2);
            } else {
                // The sheet sizes squares at its target, the page's default.
                find<QRadioButton>("KakuButton")->click();
                EXPECT_EQ(text("M_Ason"), find<QLineEdit>("SizingTarget")->text());
                type("S_Fryo", QString::fromLatin1(c.flow));
                pressEnter("S_Fryo");
                EXPECT_EQ(cell(row, SizeColumn),
                          text("S_Size1") + QStringLiteral("×") + text("S_Size2"));
                EXPECT_EQ(pageText(row, VelocityColumn), text("S_Fusok"));
                EXPECT_EQ(pageText(row, LossPerMetreColumn), text("S_Ason"));
                EXPECT_EQ(Decimals(cell(row, VelocityColumn)), 2);
                EXPECT_EQ(Decimals(cell(row, LossPerMetreColumn)), conventional ? 3 : 2);
            }
        }
    }
    boxes_.take();
}

// The same for pipes: the pipe page's velocity and friction loss for a
// nominal size, and its sizing.
TEST_F(LossSheetInTheWindow, PipeSectionsReadAsThePipePage)
{
    LossSheetForm *sheet = openSheet();
    QTest::mouseClick(find("AddPipeSystemButton"), Qt::LeftButton);
    struct Case
    {
        const char *flow;
        const char *size;
    };
    const Case cases[] = {{"300", "65"}, {"170", "50A"}, {"130", "４０"}, {"2000", "150"}};
    for (int row = 0; row < static_cast<int>(std::size(cases)); ++row)
        typeSection(row, QString::fromLatin1(cases[row].flow), QString::fromUtf8(cases[row].size));
    const auto sizeIndex = [](const QString &typed) {
        QString digits;
        for (QChar c : typed)
            if (c.isDigit())
                digits += QChar(u'0' + c.digitValue());
        const auto items = pipes::PipeSizeItems();
        for (std::size_t i = 0; i < items.size(); ++i)
            if (QString::fromUtf8(items[i].data(), items[i].size()).trimmed() == digits)
                return static_cast<int>(i);
        return -1;
    };
    for (const bool conventional : {true, false}) {
        setUnits(conventional);
        showPage(TDuctForm::PipePageIndex);
        for (int row = 0; row < static_cast<int>(std::size(cases)); ++row) {
            const Case &c = cases[row];
            SCOPED_TRACE(testing::Message() << (conventional ? "conventional " : "SI ") << c.flow);
            type("P_Ryo", QString::fromLatin1(c.flow));
            const int index = sizeIndex(QString::fromUtf8(c.size));
            ASSERT_GE(index, 0);
            find<QComboBox>("P_Size")->setCurrentIndex(index);
            pressEnter("P_Size");
            EXPECT_EQ(pageText(row, VelocityColumn), text("P_Speed"));
            EXPECT_EQ(pageText(row, LossPerMetreColumn), text("P_AsonP"));
            EXPECT_EQ(Decimals(cell(row, VelocityColumn)), 2);
            EXPECT_EQ(Decimals(cell(row, LossPerMetreColumn)), conventional ? 3 : 2);
        }
    }
    EXPECT_EQ(sheet->sheet().system(0).kind, losssheet::SystemKind::Pipe);
    boxes_.take();
}

// A finished system's total reaches the program's record when the window
// is closed.
TEST_F(LossSheetInTheWindow, TotalsGoIntoTheJournal)
{
    LossSheetForm *sheet = openSheet();
    sheet->sheet().setSystems({ThreeSections()});
    const int before = form_->journal().count();
    EXPECT_FALSE(TypeCell(table(), 1, LengthColumn, QStringLiteral("6")));
    sheet->close();
    ASSERT_EQ(form_->journal().count(), before + 1);
    EXPECT_EQ(form_->journal().at(before).page, QStringLiteral("系統圧損計算"));
}

// A system typed cell by cell in the window, saved with the document, and
// back as it was once the document is opened again (after a new one).
TEST_F(LossSheetInTheWindow, SystemsComeBackWithTheDocument)
{
    LossSheetForm *sheet = openSheet();
    QTest::mouseClick(find("AddDuctSystemButton"), Qt::LeftButton);
    const auto insert = [&] {
        table()->setFocus();
        QTest::keyClick(table(), Qt::Key_Insert);
    };
    insert(); // "1", from the fan
    EXPECT_FALSE(TypeCell(table(), 0, LengthColumn, QStringLiteral("10")));
    insert(); // "2", after 1
    EXPECT_FALSE(TypeCell(table(), 1, FlowColumn, QStringLiteral("1800")));
    EXPECT_FALSE(TypeCell(table(), 1, LengthColumn, QStringLiteral("5")));
    insert(); // "3", moved under 1
    EXPECT_FALSE(TypeCell(table(), 2, UpstreamColumn, QStringLiteral("1")));
    EXPECT_FALSE(TypeCell(table(), 2, FlowColumn, QStringLiteral("2400")));
    EXPECT_FALSE(TypeCell(table(), 2, LengthColumn, QStringLiteral("8")));
    const QString required = find<QLabel>("SummaryResult")->text();
    ASSERT_FALSE(required.isEmpty());
    EXPECT_EQ(cell(0, FlowColumn), QStringLiteral("4200")) << "the sum of 2 and 3";
    QStringList rows;
    for (int row = 0; row < 3; ++row) {
        for (int c : ColumnsOf(losssheet::SystemKind::Duct))
            rows << cell(row, c);
    }
    const std::size_t systems = sheet->sheet().systems().size();

    app::document::DocumentCommands &commands = form_->documentCommands();
    const QString path = dir_.filePath(QStringLiteral("事務所ビル.zefra"));
    commands.setFileChooser([&](bool, const QString &) { return path; });
    ASSERT_TRUE(commands.saveAs());
    ASSERT_TRUE(commands.newDocument());
    EXPECT_TRUE(sheet->sheet().systems().empty() || sheet->sheet().systems().size() < systems);

    ASSERT_TRUE(commands.openPath(path));
    ASSERT_EQ(sheet->sheet().systems().size(), systems);
    sheet->showSystem(static_cast<int>(systems) - 1);
    EXPECT_EQ(find<QLabel>("SummaryResult")->text(), required);
    QStringList back;
    for (int row = 0; row < 3; ++row) {
        for (int c : ColumnsOf(losssheet::SystemKind::Duct))
            back << cell(row, c);
    }
    EXPECT_EQ(back, rows);
    EXPECT_FALSE(form_->session().isModified());
}

} // namespace
