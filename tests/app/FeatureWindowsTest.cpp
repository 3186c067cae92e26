// The windows of the tools menu through the real program: the psychrometric
// chart follows the moist-air page, the size table follows the duct and pipe
// pages, and both keep their own section of the settings file.
#include "support/FormFixture.h"

#include "app/chart/ChartForm.h"
#include "app/record/Journal.h"
#include "app/sizetable/SizeTableForm.h"
#include "app/ui/CalcPage.h"
#include "chart/TableTexts.h"
#include "numeric/NumberText.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTableView>

namespace {

class FeatureWindowsTest : public FormTest
{
protected:
    QAction *action(const char *name) const { return find<QAction>(name); }
    // A feature window of the main window, once opened.
    template <typename W> W *window(const char *name) const
    {
        return form_->findChild<W *>(QString::fromLatin1(name));
    }
    QString cell(QTableView *view, int row, int column) const
    {
        return view->model()->index(row, column).data().toString();
    }
    QByteArray settingsText() const
    {
        QFile file(settingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(FeatureWindowsTest, ToolsMenuComesAfterTheCalculatorAndOpensEachWindowOnce)
{
    // The file menu first, then the calculator and the tools.
    const QList<QAction *> top = form_->menuBar()->actions();
    ASSERT_GE(top.size(), 4);
    EXPECT_EQ(top[0]->menu()->objectName(), QStringLiteral("File1"));
    EXPECT_EQ(top[0]->text(), QStringLiteral("ファイル(&F)"));
    EXPECT_EQ(top[1]->objectName(), QStringLiteral("D1"));
    EXPECT_EQ(top[2]->menu()->objectName(), QStringLiteral("Tools1"));
    EXPECT_EQ(top[2]->text(), QStringLiteral("ツール(&T)"));
    const struct
    {
        const char *action;
        const char *caption;
        QKeySequence shortcut;
        const char *window;
        const char *title;
    } tools[] = {
        // The document windows' titles carry the document's name.
        {"Chart1", "空気線図(&C)...", QKeySequence(Qt::CTRL | Qt::Key_G), "ChartForm",
         "空気線図 — 無題"},
        {"SizeTable1", "サイズ一覧(&S)...", QKeySequence(Qt::CTRL | Qt::Key_L), "SizeTableForm",
         "サイズ一覧"},
        {"LossSheet1", "系統圧損計算(&P)...", QKeySequence(Qt::CTRL | Qt::Key_K), "LossSheetForm",
         "系統圧損計算 — 無題"},
    };
    for (const auto &t : tools) {
        SCOPED_TRACE(t.action);
        EXPECT_EQ(action(t.action)->text(), QString::fromUtf8(t.caption));
        EXPECT_EQ(action(t.action)->shortcut(), t.shortcut);
        action(t.action)->trigger();
        QWidget *opened = window<QWidget>(t.window);
        ASSERT_TRUE(opened);
        EXPECT_TRUE(opened->isVisible());
        EXPECT_TRUE(opened->isWindow());
        EXPECT_EQ(opened->windowTitle(), QString::fromUtf8(t.title));
        action(t.action)->trigger();
        EXPECT_EQ(form_->findChildren<QWidget *>(QString::fromLatin1(t.window)).size(), 1);
    }
    // The main window stays usable beside them.
    showPage(TDuctForm::DuctPageIndex);
    type("P_Fryo", QStringLiteral("1200*2"));
    pressEnter("P_Fryo");
    EXPECT_EQ(text("P_Fryo"), QStringLiteral("2400"));
}

TEST_F(FeatureWindowsTest, ChartPointShowsThePagesEightTextsAndFollowsUnitsAndPressure)
{
    showPage(TDuctForm::AirPageIndex);
    pressEnter("entEdit"); // 30 ℃, wet bulb 20 ℃, standard pressure
    action("Chart1")->trigger();
    auto *chart = window<app::chart::ChartForm>("ChartForm");
    ASSERT_TRUE(chart);
    chart->addCurrentPoint();
    auto *points = chart->findChild<QTableView *>(QStringLiteral("ChartPoints"));
    ASSERT_EQ(points->model()->rowCount(), 1);
    const char *const pageFields[] = {"cEdit7", "cEdit8", "cEdit1", "cEdit2",
                                      "cEdit3", "cEdit4", "cEdit5", "cEdit6"};
    // The page's texts, but the humidity ratio with four decimals where the
    // page keeps three.
    const auto expectPageTexts = [&] {
        const long double x = chart->diagram().points()[0].state->humidityRatio;
        for (int i = 0; i < 8; ++i) {
            const int column = ::chart::DryBulbColumn + i;
            if (column == ::chart::HumidityRatioColumn) {
                EXPECT_EQ(text(pageFields[i]), QString::fromStdString(numeric::FormatFixed(x, 3)));
                EXPECT_EQ(cell(points, 0, column),
                          QString::fromStdString(numeric::FormatFixed(x, 4)));
            } else {
                EXPECT_EQ(cell(points, 0, column), text(pageFields[i])) << i;
            }
        }
    };
    expectPageTexts();

    // In SI units the list shows kJ/kg and kPa, as a new calculation on the
    // page does.
    find<QRadioButton>("TaniButton2")->setChecked(true);
    pressEnter("entEdit");
    expectPageTexts();

    // An altitude of 1000 m: the chart keeps its own pressure, and a new
    // chart is drawn at the page's.
    find<QRadioButton>("PrGroupItem2")->setChecked(true);
    type("WhEdit", QStringLiteral("1000"));
    EXPECT_EQ(chart->diagram().pressure(), 760.0L);
    chart->addChart();
    EXPECT_NEAR(static_cast<double>(chart->diagram().pressure()), 674.1138, 1e-3);
}

TEST_F(FeatureWindowsTest, SizeTableMarksTheChoiceAndPutsAChosenRowIntoTheLossSection)
{
    showPage(TDuctForm::DuctPageIndex);
    find<QCheckBox>("CheckBox1")->setChecked(true);
    type("S_Fryo", QStringLiteral("3600"));
    pressEnter("S_Fryo"); // on to the fixed side
    type("S_Size1", QStringLiteral("300"));
    pressEnter("S_Size1");
    ASSERT_EQ(text("S_Size2"), QStringLiteral("600"));

    action("SizeTable1")->trigger();
    auto *table = window<app::sizetable::SizeTableForm>("SizeTableForm");
    ASSERT_TRUE(table);
    auto *view = table->findChild<QTableView *>(QStringLiteral("SizeTable"));
    // The page's own choice is the current row.
    const QModelIndex chosen = view->currentIndex();
    ASSERT_TRUE(chosen.isValid());
    EXPECT_TRUE(table->copyText().contains(QStringLiteral("300\t600")));

    // Choosing a row computes its loss in the page's loss section, at the
    // sizing's air volume.
    using app::ui::SizeChoice;
    emit table->sizeChosen(
        {SizeChoice::Kind::Rectangle, QStringLiteral("250"), QStringLiteral("750"), -1});
    EXPECT_EQ(text("P_Fryo"), QStringLiteral("3600"));
    EXPECT_EQ(text("P_Size1"), QStringLiteral("250"));
    EXPECT_EQ(text("P_Size2"), QStringLiteral("750"));
    EXPECT_FALSE(text("P_Ason").isEmpty());
    EXPECT_FALSE(text("P_Fusok").isEmpty());

    // A change of units or material recomputes the table: its loss captions
    // follow the unit system.
    const QString before = table->copyText();
    find<QRadioButton>("TaniButton2")->setChecked(true);
    EXPECT_NE(table->copyText(), before);
    EXPECT_TRUE(table->copyText().contains(QStringLiteral("Pa/m")));

    // On the pipe page the table follows the pipe sizing.
    showPage(TDuctForm::PipePageIndex);
    type("M_AsonP", QStringLiteral("300"));
    type("S_Ryo", QStringLiteral("100"));
    pressEnter("S_Ryo");
    emit table->sizeChosen({SizeChoice::Kind::Pipe, {}, {}, 5}); // nominal 40
    EXPECT_EQ(text("P_Ryo"), QStringLiteral("100"));
    EXPECT_EQ(find<QComboBox>("P_Size")->currentText(), QStringLiteral("40"));
    EXPECT_EQ(text("P_Speed"), QStringLiteral("1.226"));
}

TEST_F(FeatureWindowsTest, OpenedWindowsKeepTheirOwnSectionsAndChangeNoOtherLine)
{
    {
        QFile file(settingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("; mine\r\n[Window]\r\nLeft=10\r\nTop=20\r\n[Chart]\r\nWidth=900\r\n");
    }
    form_.reset();
    openForm();
    action("Chart1")->trigger();
    action("SizeTable1")->trigger();
    ASSERT_TRUE(form_->close());
    const QByteArray saved = settingsText();
    EXPECT_TRUE(saved.startsWith("; mine\r\n[Window]\r\n"));
    EXPECT_TRUE(saved.contains("[Chart]\r\nWidth="));
    EXPECT_TRUE(saved.contains("[SizeTable]\r\n"));
    // The window's own keys come before the feature sections, as always.
    EXPECT_LT(saved.indexOf("[Button]"), saved.indexOf("[SizeTable]"));
}

} // namespace

namespace {

// "caption=text unit" of every field of a record.
QStringList ValuesOf(const app::ui::CalculationRecord &r)
{
    QStringList lines;
    for (const app::ui::FieldValue &f : r.fields)
        lines.append((f.caption + QLatin1Char('=') + f.text + QLatin1Char(' ') + f.unit).trimmed());
    return lines;
}

TEST_F(FeatureWindowsTest, EveryKindOfCalculationIsJournalledAsThePageShowsItInBothUnitSystems)
{
    const struct
    {
        int page;
        std::function<void()> act;
        const char *calculation;
        std::vector<const char *> fields; // whose texts the record must hold, in order
    } kinds[] = {
        {TDuctForm::DuctPageIndex,
         [this] {
             type("S_Fryo", QStringLiteral("3600"));
             pressEnter("S_Fryo");
         },
         "ダクト寸法計算（圧損基準）",
         {"S_Size1", "S_Size2", "S_SizeD", "S_Fusok", "S_Ason"}},
        {TDuctForm::DuctPageIndex,
         [this] {
             type("P_Fryo", QStringLiteral("3600"));
             type("P_Size1", QStringLiteral("500"));
             type("P_Size2", QStringLiteral("500"));
             pressEnter("P_Size2");
         },
         "ダクト圧力損失計算",
         {"P_SizeD", "P_Fusok", "P_Ason"}},
        {TDuctForm::OutletPageIndex,
         [this] {
             type("Edit19", QStringLiteral("500"));
             type("Edit26", QStringLiteral("2"));
             pressEnter("Edit26");
         },
         "吹出・吸込口寸法計算",
         {"Edit23", "Edit24", "Edit25", "Edit21"}},
        {TDuctForm::OutletPageIndex,
         [this] {
             type("Edit17", QStringLiteral("500"));
             type("Edit28", QStringLiteral("300"));
             type("Edit29", QStringLiteral("300"));
             pressEnter("Edit29");
         },
         "吹出・吸込口寸法確認",
         {"Edit30", "Edit32"}},
        {TDuctForm::PipePageIndex,
         [this] {
             type("M_AsonP", QStringLiteral("30"));
             type("S_Ryo", QStringLiteral("100"));
             pressEnter("S_Ryo");
         },
         "配管寸法計算（圧損基準）",
         {"S_Size", "S_Speed", "S_AsonP"}},
        {TDuctForm::AirPageIndex,
         [this] { pressEnter("entEdit"); },
         "空気の状態値計算",
         {"cEdit7", "cEdit8", "cEdit1", "cEdit2", "cEdit3", "cEdit4", "cEdit5", "cEdit6"}},
    };
    for (bool si : {false, true}) {
        find<QRadioButton>(si ? "TaniButton2" : "TaniButton1")->setChecked(true);
        for (const auto &k : kinds) {
            SCOPED_TRACE(std::string(k.calculation) + (si ? " in SI" : ""));
            showPage(k.page);
            const int before = form_->journal().count();
            k.act();
            ASSERT_EQ(form_->journal().count(), before + 1);
            const app::ui::CalculationRecord &r = form_->journal().at(before);
            EXPECT_EQ(r.calculation, QString::fromUtf8(k.calculation));
            const QStringList values = ValuesOf(r);
            for (const app::ui::FieldValue &shown : form_->pages().at(k.page)->fields()) {
                for (const char *name : k.fields) {
                    if (shown.name != QLatin1String(name))
                        continue;
                    const QString line = (shown.caption + QLatin1Char('=') + shown.text +
                                          QLatin1Char(' ') + shown.unit)
                                             .trimmed();
                    EXPECT_TRUE(values.contains(line)) << line.toStdString();
                }
            }
        }
    }
    EXPECT_TRUE(boxes_.take().isEmpty());
}

TEST_F(FeatureWindowsTest, RecordWindowAndThePageCopy)
{
    showPage(TDuctForm::DuctPageIndex);
    type("S_Fryo", QStringLiteral("3600"));
    pressEnter("S_Fryo");
    action("Record1")->trigger();
    auto *table = form_->findChild<QTableView *>(QStringLiteral("RecordTable"));
    ASSERT_TRUE(table);
    EXPECT_EQ(table->model()->rowCount(), 1);
    EXPECT_EQ(action("Record1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));

    // Ctrl+Shift+C on the page: its fields as a header row and a row of texts.
    QApplication::setActiveWindow(form_.get());
    edit("S_Fryo")->setFocus();
    QTest::keyClick(edit("S_Fryo"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList rows =
        QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[0].contains(QStringLiteral("風量 [m3/h]")));
    EXPECT_TRUE(rows[1].contains(QStringLiteral("3600\t450\t450")));
}

} // namespace
