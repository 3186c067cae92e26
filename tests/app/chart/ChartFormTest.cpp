#include "ChartFormFixture.h"
#include "air/Psychrometrics.h"
#include "app/chart/ChartOutput.h"
#include "app/chart/ChartWidget.h"
#include "app/ui/FormControls.h"
#include "chart/TableTexts.h"
#include "numeric/NumberText.h"
#include "numeric/Real.h"
#include "numeric/Units.h"
#include "support/ReadBack.h"
#include "support/StoredSettings.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

using app::chart::ChartForm;

// The page writes each result as FormatFixed(value, 3), enthalpy × 4.186
// and pressure × 0.1333224 in SI units (AirPage::writeResults); the chart
// writes the same, but a humidity ratio with four decimals.
std::vector<QString> PageTexts(const air::AirState &s, bool conventional)
{
    const auto fixed = [](long double v, int decimals = numeric::ResultDecimals) {
        return QString::fromStdString(numeric::FormatFixed(v, decimals));
    };
    const long double h =
        conventional ? s.enthalpy : (numeric::Real(s.enthalpy) * numeric::KJPerKcal).value();
    const long double P =
        conventional ? s.pressure : (numeric::Real(s.pressure) * numeric::KPaPerMmHg).value();
    return {fixed(s.dryBulb),          fixed(s.wetBulb),  fixed(s.relativeHumidity),
            fixed(s.humidityRatio, 4), fixed(s.dewPoint), fixed(h),
            fixed(s.specificVolume),   fixed(P)};
}

TEST_F(ChartFormTest, WindowAndControls)
{
    EXPECT_EQ(form_->objectName(), QStringLiteral("ChartForm"));
    EXPECT_EQ(form_->windowTitle(), QStringLiteral("空気線図 — 無題"));
    EXPECT_FALSE(form_->isModal());
    EXPECT_TRUE(form_->isWindow());
    for (const char *name : {"AddPointButton", "ChartPoints", "ChartProcesses", "ChartStatus",
                             "AddProcessButton", "TypedDryBulb", "HomeButton"})
        EXPECT_TRUE(form_->findChild<QWidget *>(QString::fromLatin1(name))) << name;
    // No current state yet: nothing to add.
    EXPECT_FALSE(find<QPushButton>("AddPointButton")->isEnabled());
}

TEST_F(ChartFormTest, AddedPointShowsThePagesTexts)
{
    const struct
    {
        const char *name;
        long double pressure;
        air::AirState state;
    } cases[] = {
        {"wet bulb at standard pressure", 760, air::StateFromWetBulb(30, 20, 760)},
        {"relative humidity at 1000 m", 674.11377L,
         air::StateFromRelativeHumidity(30, 50, 674.11377L)},
        {"enthalpy", 760, air::StateFromEnthalpy(22.5L, 10.25L, 760)},
    };
    int row = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        form_->setPressure(c.pressure);
        form_->setCurrentState(c.state);
        ASSERT_TRUE(find<QPushButton>("AddPointButton")->isEnabled());
        QTest::keyClick(form_.get(), Qt::Key_Insert);
        ASSERT_EQ(points()->model()->rowCount(), row + 1);
        EXPECT_EQ(eightTexts(row), PageTexts(c.state, true));
        EXPECT_EQ(cell(points(), row, chart::LabelColumn), QString(QChar('A' + row)));
        ++row;
    }
}

TEST_F(ChartFormTest, UnitsAndPressureSwitchTheChartAndTheList)
{
    const air::AirState page = air::StateFromRelativeHumidity(28, 55, 760);
    form_->setCurrentState(page);
    form_->addCurrentPoint();
    EXPECT_EQ(eightTexts(0), PageTexts(page, true));

    form_->setConventionalUnits(false);
    EXPECT_EQ(eightTexts(0), PageTexts(page, false));
    EXPECT_EQ(points()->model()->headerData(chart::EnthalpyColumn, Qt::Horizontal).toString(),
              QStringLiteral("比エンタルピ kJ/kg"));
    EXPECT_FALSE(form_->scene().settings.conventionalUnits);
    EXPECT_EQ(find<QLabel>("TypedUnit")->text(), QStringLiteral("％"));

    // At another pressure the point keeps its dry bulb and humidity ratio and
    // shows what the page would compute from them there.
    form_->setPressure(700);
    EXPECT_EQ(form_->scene().settings.pressure, 700.0L);
    const air::AirState there = air::StateFromHumidityRatio(28, page.humidityRatio, 700);
    EXPECT_EQ(eightTexts(0), PageTexts(there, false));

    form_->setConventionalUnits(true);
    form_->setPressure(760);
    EXPECT_EQ(eightTexts(0), PageTexts(page, true));
}

TEST_F(ChartFormTest, TypedPointUsesThePagesProcedure)
{
    find<QLineEdit>("TypedDryBulb")->setText(QStringLiteral("26"));
    find<QComboBox>("TypedProperty")->setCurrentIndex(1); // 相対湿度
    QLineEdit *value = find<QLineEdit>("TypedValue");
    value->setText(QStringLiteral("40"));
    QTest::keyClick(value, Qt::Key_Return);
    ASSERT_EQ(points()->model()->rowCount(), 1);
    EXPECT_EQ(eightTexts(0), PageTexts(air::StateFromRelativeHumidity(26, 40, 760), true));

    // A point beyond the model shows its reason in its row, without a box.
    find<QLineEdit>("TypedDryBulb")->setText(QStringLiteral("1000"));
    QTest::keyClick(value, Qt::Key_Return);
    ASSERT_EQ(points()->model()->rowCount(), 2);
    EXPECT_EQ(cell(points(), 1, chart::ProblemColumn), QStringLiteral("数値が範囲外です！"));
    EXPECT_TRUE(cell(points(), 1, chart::WetBulbColumn).isEmpty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ChartFormTest, EditingAPropertyCellRedefinesThePoint)
{
    form_->setCurrentState(air::StateFromRelativeHumidity(30, 50, 760));
    form_->addCurrentPoint();
    QAbstractItemModel *model = points()->model();
    ASSERT_TRUE(model->setData(model->index(0, chart::DewPointColumn), QStringLiteral("12")));
    EXPECT_EQ(eightTexts(0), PageTexts(air::StateFromDewPoint(30, 12, 760), true));
    EXPECT_FALSE(model->setData(model->index(0, chart::DewPointColumn), QStringLiteral("1+1")));
    ASSERT_TRUE(model->setData(model->index(0, chart::AirflowColumn), QStringLiteral("2500")));
    EXPECT_EQ(cell(points(), 0, chart::AirflowColumn), QStringLiteral("2500"));
    ASSERT_TRUE(model->setData(model->index(0, chart::LabelColumn), QStringLiteral("室内")));
    EXPECT_EQ(cell(points(), 0, chart::LabelColumn), QStringLiteral("室内"));
}

TEST_F(ChartFormTest, DoubleClickAddsAndDragMovesAPoint)
{
    app::chart::ChartWidget *view = form_->chartWidget();
    const chart::PlotMapping m = view->mapping();
    const chart::Pixel p = m.toPixel({20.0, 0.008});
    const QPoint at(qRound(p.x), qRound(p.y));
    QTest::mouseDClick(view, Qt::LeftButton, {}, at);
    ASSERT_EQ(form_->diagram().points().size(), 1u);
    const air::AirState added = *form_->diagram().points()[0].state;
    EXPECT_NEAR(static_cast<double>(added.dryBulb), 20.0, m.dryBulbPerPixel());
    EXPECT_NEAR(static_cast<double>(added.humidityRatio), 0.008, m.humidityRatioPerPixel());

    // Drag it 40 px right and 30 px up: the list follows.
    const QPoint to = at + QPoint(40, -30);
    QTest::mousePress(view, Qt::LeftButton, {}, at);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), view->mapToGlobal(QPointF(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    QTest::mouseRelease(view, Qt::LeftButton, {}, to);
    const air::AirState moved = *form_->diagram().points()[0].state;
    const chart::ChartPoint target = m.toChart({double(to.x()), double(to.y())});
    EXPECT_NEAR(static_cast<double>(moved.dryBulb), target.t, m.dryBulbPerPixel());
    EXPECT_NEAR(static_cast<double>(moved.humidityRatio), target.x, m.humidityRatioPerPixel());
    EXPECT_EQ(cell(points(), 0, chart::DryBulbColumn),
              QString::fromStdString(numeric::FormatFixed(moved.dryBulb, 3)));
    // The status bar shows the eight properties at the pointer.
    EXPECT_TRUE(find<QLabel>("CursorState")->text().contains(QStringLiteral("湿球温度")));

    // Delete removes the selected point.
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_TRUE(form_->diagram().points().empty());
}

TEST_F(ChartFormTest, ZoomPanAndHome)
{
    app::chart::ChartWidget *view = form_->chartWidget();
    view->setFocus();
    const chart::Ranges home;
    QTest::keyClick(view, Qt::Key_Plus);
    EXPECT_LT(form_->scene().settings.ranges.dryBulb.span(), home.dryBulb.span());
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_GT(form_->scene().settings.ranges.dryBulb.low, home.dryBulb.low);
    QTest::keyClick(view, Qt::Key_Home);
    EXPECT_EQ(form_->scene().settings.ranges, home);

    // Typed ranges.
    QLineEdit *high = find<QLineEdit>("RangeDryBulbHigh");
    high->setText(QStringLiteral("35"));
    QTest::keyClick(high, Qt::Key_Return);
    EXPECT_EQ(form_->scene().settings.ranges.dryBulb.high, 35.0);
}

TEST_F(ChartFormTest, ListsCopyAsTabSeparatedTextWithAHeader)
{
    form_->setCurrentState(air::StateFromRelativeHumidity(26, 50, 760));
    form_->addCurrentPoint();
    form_->addCurrentPoint();
    points()->clearSelection();
    points()->setFocus();
    QTest::keyClick(points(), Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 4); // header, two rows, and the empty end
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("記号\t乾球温度 ℃\t")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("A\t26.000\t")));
    EXPECT_EQ(lines[1].count(QLatin1Char('\t')), chart::PointColumnCount - 1);

    points()->selectRow(1);
    QTest::keyClick(points(), Qt::Key_Delete);
    EXPECT_EQ(points()->model()->rowCount(), 1);
}

TEST_F(ChartFormTest, ExportsAreProduced)
{
    form_->setCurrentState(air::StateFromRelativeHumidity(26, 50, 760));
    form_->addCurrentPoint();
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("chart.png"));
    const QString svg = dir.filePath(QStringLiteral("chart.svg"));
    const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
    ASSERT_TRUE(form_->exportPng(png));
    ASSERT_TRUE(form_->exportSvg(svg));
    ASSERT_TRUE(form_->exportPdf(pdf));
    EXPECT_GT(QFileInfo(png).size(), 10000);
    QImage image(png);
    EXPECT_EQ(image.width(), 2 * app::chart::ExportWidth);

    QFile svgFile(svg);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QString svgText = QString::fromUtf8(svgFile.readAll());
    EXPECT_TRUE(svgText.contains(QStringLiteral("乾球温度")));
    EXPECT_TRUE(svgText.contains(QStringLiteral("絶対湿度")));
    // Qt writes a run of each script as a text item of its own.
    EXPECT_TRUE(svgText.contains(QStringLiteral("エンタルピ")));
    // Every text names a family list that starts with the face Qt laid it
    // out with (so other renderers place each run where Qt measured it) and
    // ends in a generic family.
    const QString laidOut = QFontInfo(app::ui::GothicFont(13)).family();
    const QRegularExpression family(QStringLiteral("font-family=\"([^\"]*)\""));
    int families = 0;
    for (auto it = family.globalMatch(svgText); it.hasNext(); ++families) {
        const QString list = it.next().captured(1);
        EXPECT_TRUE(list.startsWith(laidOut) || list.startsWith(QLatin1Char('\'') + laidOut))
            << list.toStdString();
        EXPECT_TRUE(list.endsWith(QStringLiteral(", sans-serif"))) << list.toStdString();
    }
    EXPECT_GT(families, 10);

    QFile pdfFile(pdf);
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdfFile.read(5).startsWith("%PDF"));
    EXPECT_GT(QFileInfo(pdf).size(), 10000);

    EXPECT_FALSE(form_->exportPng(dir.filePath(QStringLiteral("no/such/dir/chart.png"))));
}

// The lists through the menu into a workbook, as openpyxl reads it: a sheet
// each, the lists' captions and texts, numbers as numbers with the decimals
// the list shows, names and notes as texts whatever they look like.
TEST_F(ChartFormTest, ListsExportAsAWorkbook)
{
    form_->setCurrentState(air::StateFromRelativeHumidity(26, 50, 760));
    form_->addCurrentPoint();
    form_->setCurrentState(air::StateFromRelativeHumidity(12, 90, 760));
    form_->addCurrentPoint();
    QAbstractItemModel *model = points()->model();
    ASSERT_TRUE(model->setData(model->index(0, chart::AirflowColumn), QStringLiteral("2000")));
    ASSERT_TRUE(model->setData(model->index(1, chart::NoteColumn), QStringLiteral("007")));
    find<QComboBox>("ProcessKind")->setCurrentIndex(static_cast<int>(chart::ProcessKind::Heating));
    find<QLineEdit>("ProcessValue")->setText(QStringLiteral("35"));
    QTest::mouseClick(find<QPushButton>("AddProcessButton"), Qt::LeftButton);
    ASSERT_EQ(form_->diagram().processes().size(), 1u);

    QTemporaryDir dir;
    QTimer files;
    QObject::connect(&files, &QTimer::timeout, [&] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            dialog->selectFile(dir.filePath(QStringLiteral("空気線図")));
            QMetaObject::invokeMethod(dialog, "accept");
        }
    });
    files.start(5);
    form_->findChild<QAction *>(QStringLiteral("ChartSaveXlsx"))->trigger();
    files.stop();
    ASSERT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("空気線図.xlsx")});

    const ReadBack back = ReadWorkbook(dir.filePath(QStringLiteral("空気線図.xlsx")).toStdString());
    if (back.missing)
        GTEST_SKIP() << back.why;
    ASSERT_TRUE(back.read) << back.why;
    const nlohmann::json &sheets = back.data.at("sheets");
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(sheets[0].at("name"), "状態点");
    EXPECT_EQ(sheets[1].at("name"), "工程");

    // Each cell against the list's own text.
    const QRegularExpression number(QStringLiteral("^-?(0|[1-9]\\d*)(?:\\.(\\d+))?$"));
    const auto expectSheet = [&](const nlohmann::json &sheet, const chart::Row &header,
                                 const std::vector<chart::Row> &rows,
                                 std::initializer_list<int> textColumns) {
        ASSERT_EQ(sheet.at("rows").size(), rows.size() + 1);
        for (std::size_t c = 0; c < header.size(); ++c)
            EXPECT_EQ(CellAt(sheet, 0, c).at("v"), header[c]);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            for (std::size_t c = 0; c < rows[r].size(); ++c) {
                SCOPED_TRACE(header[c] + " of row " + std::to_string(r));
                const QString text = QString::fromStdString(rows[r][c]);
                const nlohmann::json &cell = CellAt(sheet, r + 1, c);
                const QRegularExpressionMatch m = number.match(text);
                if (text.isEmpty()) {
                    EXPECT_TRUE(cell.is_null());
                } else if (m.hasMatch() && std::find(textColumns.begin(), textColumns.end(), c) ==
                                               textColumns.end()) {
                    EXPECT_EQ(cell.at("t"), "n");
                    EXPECT_EQ(cell.at("v").get<double>(), text.toDouble());
                    const int decimals = static_cast<int>(m.capturedLength(2));
                    EXPECT_EQ(cell.at("f"), decimals ? "0." + std::string(decimals, '0') : "0");
                } else {
                    EXPECT_EQ(cell.at("t"), "s");
                    EXPECT_EQ(cell.at("v"), rows[r][c]);
                }
            }
        }
    };
    std::vector<chart::Row> pointRows, processRows;
    for (const auto &p : form_->diagram().points())
        pointRows.push_back(chart::PointRow(p, true));
    for (const auto &p : form_->diagram().processes())
        processRows.push_back(chart::ProcessRow(form_->diagram(), p, true));
    ASSERT_EQ(pointRows.size(), 3u) << "two points and the heating's outlet";
    EXPECT_EQ(pointRows[1][chart::NoteColumn], "007");
    expectSheet(sheets[0], chart::PointHeader(true), pointRows,
                {chart::LabelColumn, chart::NoteColumn});
    expectSheet(sheets[1], chart::ProcessHeader(true), processRows, {});
    EXPECT_EQ(CellAt(sheets[0], 2, chart::NoteColumn).at("v"), "007") << "a note stays a text";
    EXPECT_EQ(CellAt(sheets[0], 1, chart::AirflowColumn).at("v"), 2000.0);
}

TEST_F(ChartFormTest, SettingsRoundTrip)
{
    form_->resize(1100, 700);
    QTest::keyClick(form_->chartWidget(), Qt::Key_Plus);
    form_->findChild<QAction *>(QStringLiteral("ShowWetBulb"))->setChecked(false);
    StoredTexts saved;
    for (const auto &[key, value] : SavedTexts(form_->settingsKeys()))
        saved[key] = value;
    EXPECT_EQ(saved.at("WetBulb"), "0");
    EXPECT_EQ(saved.at("Enthalpy"), "1");
    EXPECT_EQ(saved.at("Width"), "1100");

    ChartForm other;
    RestoreFrom(other.settingsKeys(), saved);
    // As wide as the screen allows (the offscreen screen is 800 px wide).
    EXPECT_GT(other.width(), 700);
    EXPECT_LT(other.width(), other.screen()->availableGeometry().width());
    EXPECT_FALSE(other.scene().families[chart::Index(chart::Family::WetBulb)]);
    EXPECT_NEAR(other.scene().settings.ranges.dryBulb.low,
                form_->scene().settings.ranges.dryBulb.low, 0.01);
    EXPECT_NEAR(other.scene().settings.ranges.humidityRatio.high,
                form_->scene().settings.ranges.humidityRatio.high, 0.00001);

    // Nothing stored: the defaults.
    ChartForm fresh;
    RestoreFrom(fresh.settingsKeys(), {});
    EXPECT_EQ(fresh.scene().settings.ranges, chart::Ranges{});
}

} // namespace

namespace {

TEST_F(ChartFormTest, ProcessesFromTheProcessRow)
{
    form_->setCurrentState(air::StateFromRelativeHumidity(28, 60, 760));
    form_->addCurrentPoint();
    QAbstractItemModel *model = points()->model();
    ASSERT_TRUE(model->setData(model->index(0, chart::AirflowColumn), QStringLiteral("2000")));

    auto *kind = find<QComboBox>("ProcessKind");
    auto *value = find<QLineEdit>("ProcessValue");
    auto *mode = find<QComboBox>("ProcessMode");
    auto *second = find<QLineEdit>("ProcessSecond");
    auto *add = find<QPushButton>("AddProcessButton");
    const auto processes = [&] { return find<QTableView>("ChartProcesses")->model(); };

    // A coil by bypass factor, and one by leaving dry bulb.
    kind->setCurrentIndex(static_cast<int>(chart::ProcessKind::Coil));
    value->setText(QStringLiteral("12"));
    mode->setCurrentIndex(0);
    second->setText(QStringLiteral("0.15"));
    QTest::mouseClick(add, Qt::LeftButton);
    ASSERT_EQ(processes()->rowCount(), 1);
    const chart::Process &byBf = form_->diagram().processes()[0];
    EXPECT_EQ(byBf.bypassFactor.value(), 0.15L);
    const long double leaving = form_->diagram().point(byBf.output)->state->dryBulb;
    ASSERT_TRUE(byBf.change && byBf.change->totalHeat);

    mode->setCurrentIndex(1);
    second->setText(QString::fromStdString(numeric::FormatGeneral15(leaving)));
    QTest::keyClick(second, Qt::Key_Return);
    ASSERT_EQ(processes()->rowCount(), 2);
    EXPECT_NEAR(static_cast<double>(form_->diagram().processes()[1].bypassFactor.value()), 0.15,
                1e-9);
    EXPECT_EQ(form_->diagram().points().size(), 3u);
    EXPECT_EQ(processes()->index(0, 0).data().toString(), QStringLiteral("冷却コイル"));

    // Heating from A; a change needs two different points.
    kind->setCurrentIndex(static_cast<int>(chart::ProcessKind::Heating));
    value->setText(QStringLiteral("35"));
    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_EQ(processes()->rowCount(), 3);
    kind->setCurrentIndex(static_cast<int>(chart::ProcessKind::Change));
    find<QComboBox>("ProcessTo")->setCurrentIndex(0);
    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_EQ(processes()->rowCount(), 3);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // Deleting A takes every process and the points they made with it.
    points()->selectRow(0);
    QTest::keyClick(points(), Qt::Key_Delete);
    EXPECT_EQ(processes()->rowCount(), 0);
    EXPECT_EQ(model->rowCount(), 0);
}

TEST_F(ChartFormTest, ChartCopiesAsAnImageAndNeedsAStateToAdd)
{
    form_->chartWidget()->setFocus();
    QTest::keyClick(form_->chartWidget(), Qt::Key_C, Qt::ControlModifier);
    const QImage image = QApplication::clipboard()->image();
    EXPECT_FALSE(image.isNull());
    EXPECT_GT(image.width(), 1000);

    // Ins without a state from the page adds nothing.
    QTest::keyClick(form_.get(), Qt::Key_Insert);
    EXPECT_TRUE(form_->diagram().points().empty());
    form_->setCurrentState(air::StateFromRelativeHumidity(20, 40, 760));
    EXPECT_TRUE(find<QPushButton>("AddPointButton")->isEnabled());
    form_->setCurrentState(std::nullopt);
    EXPECT_FALSE(find<QPushButton>("AddPointButton")->isEnabled());
}

} // namespace
