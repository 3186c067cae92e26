#include "ChartFormFixture.h"
#include "air/Psychrometrics.h"
#include "app/chart/ChartColours.h"
#include "app/chart/ChartRenderer.h"
#include "app/chart/ChartWidget.h"
#include "chart/ChartTexts.h"

#include <QClipboard>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QStatusBar>

#include <set>

namespace {

QString Text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

class ChartEntryTest : public ChartFormTest
{
protected:
    QString status() const { return find<QStatusBar>("ChartStatus")->currentMessage(); }

    void typePoint(const QString &dryBulb, int property, const QString &value)
    {
        find<QLineEdit>("TypedDryBulb")->setText(dryBulb);
        find<QComboBox>("TypedProperty")->setCurrentIndex(property);
        QLineEdit *field = find<QLineEdit>("TypedValue");
        field->setFocus();
        field->setText(value);
        QTest::keyClick(field, Qt::Key_Return);
    }

    int rows(const char *table) const { return find<QTableView>(table)->model()->rowCount(); }
};

TEST_F(ChartEntryTest, TypedPointsThatAreNoStateOfMoistAirAreRefused)
{
    // Property list: 湿球温度, 相対湿度, 絶対湿度, 露点温度, エンタルピ.
    const struct
    {
        const char *name;
        int property;
        const char *value;
        const char *message;
    } cases[] = {
        {"120 %", 1, "120", "相対湿度は 0～100 ％ の範囲で入力して下さい。"},
        {"above saturation", 2, "0.03",
         "絶対湿度は飽和（乾球温度 30 ℃ で 0.0273 kg/kg）以下で入力して下さい。"},
        {"wet bulb above", 0, "31", "湿球温度は乾球温度 30 ℃ 以下で入力して下さい。"},
        {"dew point above", 3, "30.5", "露点温度は乾球温度 30 ℃ 以下で入力して下さい。"},
        {"enthalpy below dry air", 4, "5",
         "比エンタルピは乾き空気の値（乾球温度 30 ℃ で 7.200 kcal/kg）以上で入力して下さい。"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        typePoint(QStringLiteral("30"), c.property, Text(c.value));
        EXPECT_EQ(rows("ChartPoints"), 0);
        EXPECT_EQ(status(), Text(c.message));
        // The value is selected to be typed again.
        EXPECT_EQ(form_->focusWidget(), find<QLineEdit>("TypedValue"));
        EXPECT_EQ(find<QLineEdit>("TypedValue")->selectedText(), Text(c.value));
    }
    EXPECT_TRUE(form_->diagram().points().empty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // In kJ/kg the limit is given in kJ/kg: 7.2 × 4.186 = 30.1392, rounded up.
    form_->setConventionalUnits(false);
    typePoint(QStringLiteral("30"), 4, QStringLiteral("30"));
    EXPECT_EQ(
        status(),
        Text("比エンタルピは乾き空気の値（乾球温度 30 ℃ で 30.140 kJ/kg）以上で入力して下さい。"));
    form_->setConventionalUnits(true);

    // A state at the limit is taken.
    typePoint(QStringLiteral("30"), 1, QStringLiteral("100"));
    EXPECT_EQ(rows("ChartPoints"), 1);
}

TEST_F(ChartEntryTest, EditedAndDoubleClickedPointsBeyondSaturationAreRefused)
{
    typePoint(QStringLiteral("30"), 1, QStringLiteral("50"));
    ASSERT_EQ(rows("ChartPoints"), 1);
    const std::vector<QString> before = eightTexts(0);
    QAbstractItemModel *model = points()->model();
    EXPECT_FALSE(
        model->setData(model->index(0, chart::RelativeHumidityColumn), QStringLiteral("120")));
    EXPECT_EQ(status(), Text("相対湿度は 0～100 ％ の範囲で入力して下さい。"));
    // The dry bulb lowered under the point's given humidity ratio of 0.0133.
    ASSERT_TRUE(
        model->setData(model->index(0, chart::HumidityRatioColumn), QStringLiteral("0.0133")));
    EXPECT_FALSE(model->setData(model->index(0, chart::DryBulbColumn), QStringLiteral("10")));
    EXPECT_TRUE(status().startsWith(Text("絶対湿度は飽和（乾球温度 10 ℃ で ")));
    EXPECT_EQ(cell(points(), 0, chart::DryBulbColumn), before[0]);

    // So is a steam humidifier's target beyond saturation at the point's
    // dry bulb.
    find<QComboBox>("ProcessKind")
        ->setCurrentIndex(static_cast<int>(chart::ProcessKind::SteamHumidifier));
    find<QLineEdit>("ProcessValue")->setText(QStringLiteral("110"));
    QTest::mouseClick(find<QPushButton>("AddProcessButton"), Qt::LeftButton);
    EXPECT_EQ(rows("ChartProcesses"), 0);
    EXPECT_EQ(status(), Text("相対湿度は 0～100 ％ の範囲で入力して下さい。"));

    // A double click above the saturation curve adds nothing.
    app::chart::ChartWidget *view = form_->chartWidget();
    const chart::Pixel p = view->mapping().toPixel({10.0, 0.025});
    QTest::mouseDClick(view, Qt::LeftButton, {}, QPoint(qRound(p.x), qRound(p.y)));
    EXPECT_EQ(rows("ChartPoints"), 1);
    EXPECT_TRUE(status().startsWith(Text("絶対湿度は飽和")));
}

TEST_F(ChartEntryTest, WhatCannotBeComputedIsMarkedInTheFirstColumn)
{
    typePoint(QStringLiteral("1000"), 1, QStringLiteral("40"));
    typePoint(QStringLiteral("20"), 1, QStringLiteral("50"));
    ASSERT_EQ(rows("ChartPoints"), 2);
    QAbstractItemModel *pointsModel = points()->model();
    const QModelIndex hot = pointsModel->index(0, chart::LabelColumn);
    EXPECT_FALSE(qvariant_cast<QIcon>(hot.data(Qt::DecorationRole)).isNull());
    EXPECT_EQ(hot.data(Qt::ToolTipRole).toString(), QStringLiteral("数値が範囲外です！"));
    EXPECT_FALSE(pointsModel->index(1, chart::LabelColumn).data(Qt::DecorationRole).isValid());

    // A spray humidifier that cannot reach its target, and heating without
    // an airflow: the reason on the kind's marker.
    auto *kind = find<QComboBox>("ProcessKind");
    find<QComboBox>("ProcessFrom")->setCurrentIndex(1);
    kind->setCurrentIndex(static_cast<int>(chart::ProcessKind::SprayHumidifier));
    find<QLineEdit>("ProcessValue")->setText(QStringLiteral("30"));
    QTest::mouseClick(find<QPushButton>("AddProcessButton"), Qt::LeftButton);
    kind->setCurrentIndex(static_cast<int>(chart::ProcessKind::Heating));
    find<QLineEdit>("ProcessValue")->setText(QStringLiteral("30"));
    QTest::mouseClick(find<QPushButton>("AddProcessButton"), Qt::LeftButton);
    QAbstractItemModel *processes = find<QTableView>("ChartProcesses")->model();
    ASSERT_EQ(processes->rowCount(), 2);
    const char *reasons[] = {chart::texts::Unreachable, chart::texts::NoAirflow};
    for (int row = 0; row < 2; ++row) {
        SCOPED_TRACE(row);
        const QModelIndex first = processes->index(row, 0);
        EXPECT_FALSE(qvariant_cast<QIcon>(first.data(Qt::DecorationRole)).isNull());
        EXPECT_EQ(first.data(Qt::ToolTipRole).toString(), Text(reasons[row]));
    }
}

TEST_F(ChartEntryTest, HumidityRatiosShowFourDecimalsInTheTableItsCopyAndTheStatusLine)
{
    const struct
    {
        air::AirState state;
        const char *shown;
    } cases[] = {
        // 26 °C/50 % is 0.01053 kg/kg, 5 °C/40 % 0.00216: three decimals
        // would print 0.011 and 0.002.
        {air::StateFromRelativeHumidity(26, 50, 760), "0.0105"},
        {air::StateFromRelativeHumidity(5, 40, 760), "0.0022"},
    };
    for (const auto &c : cases) {
        form_->setCurrentState(c.state);
        form_->addCurrentPoint();
    }
    points()->clearSelection();
    points()->setFocus();
    QTest::keyClick(points(), Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 3);
    for (int row = 0; row < 2; ++row) {
        SCOPED_TRACE(cases[row].shown);
        EXPECT_EQ(cell(points(), row, chart::HumidityRatioColumn), Text(cases[row].shown));
        EXPECT_EQ(lines[row + 1].split(QLatin1Char('\t'))[chart::HumidityRatioColumn],
                  Text(cases[row].shown));
    }

    // Under the pointer, too.
    app::chart::ChartWidget *view = form_->chartWidget();
    const chart::Pixel p = view->mapping().toPixel({24.0, 0.0093});
    QTest::mouseMove(view, QPoint(qRound(p.x), qRound(p.y)));
    const QString status = find<QLabel>("CursorState")->text();
    EXPECT_TRUE(status.contains(QRegularExpression(QStringLiteral("絶対湿度 0\\.\\d{4} kg/kg"))))
        << status.toStdString();
}

TEST_F(ChartEntryTest, EachProcessKindKeepsItsOwnValues)
{
    auto *kind = find<QComboBox>("ProcessKind");
    auto *mode = find<QComboBox>("ProcessMode");
    auto *value = find<QLineEdit>("ProcessValue");
    auto *second = find<QLineEdit>("ProcessSecond");
    const auto choose = [&](chart::ProcessKind k) { kind->setCurrentIndex(static_cast<int>(k)); };

    choose(chart::ProcessKind::Coil);
    value->setText(QStringLiteral("12"));
    second->setText(QStringLiteral("0.15"));
    mode->setCurrentIndex(1); // 出口乾球温度: a temperature, not the factor
    EXPECT_EQ(value->text(), QStringLiteral("12"));
    EXPECT_EQ(second->text(), QString());
    second->setText(QStringLiteral("15"));
    mode->setCurrentIndex(0);
    EXPECT_EQ(second->text(), QStringLiteral("0.15"));

    choose(chart::ProcessKind::Heating);
    EXPECT_EQ(value->text(), QString());
    value->setText(QStringLiteral("35"));
    choose(chart::ProcessKind::ShfLine);
    EXPECT_EQ(value->text(), QString());
    value->setText(QStringLiteral("0.8"));
    choose(chart::ProcessKind::SteamHumidifier);
    EXPECT_EQ(value->text(), QString());
    value->setText(QStringLiteral("45"));
    mode->setCurrentIndex(1); // 絶対湿度
    EXPECT_EQ(value->text(), QString());
    value->setText(QStringLiteral("0.008"));

    const struct
    {
        chart::ProcessKind kind;
        int mode;
        const char *value, *second;
    } kept[] = {
        {chart::ProcessKind::Coil, 0, "12", "0.15"},
        {chart::ProcessKind::Heating, -1, "35", ""},
        {chart::ProcessKind::ShfLine, -1, "0.8", ""},
        {chart::ProcessKind::SteamHumidifier, 1, "0.008", ""},
        {chart::ProcessKind::SprayHumidifier, 0, "", ""},
    };
    for (const auto &c : kept) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        choose(c.kind);
        EXPECT_EQ(mode->currentIndex(), c.mode);
        EXPECT_EQ(value->text(), Text(c.value));
        if (!second->isHidden()) {
            EXPECT_EQ(second->text(), Text(c.second));
        }
    }
}

TEST_F(ChartEntryTest, NumberFieldsHoldEightDigits)
{
    form_->resize(400, 300); // the layouts may not squeeze them
    QCoreApplication::processEvents();
    for (const char *name : {"TypedDryBulb", "TypedValue", "ProcessValue", "ProcessSecond",
                             "RangeDryBulbLow", "RangeHumidityHigh"}) {
        SCOPED_TRACE(name);
        auto *field = find<QLineEdit>(name);
        field->show();
        const QFontMetrics fm = field->fontMetrics();
        EXPECT_GE(field->width(), fm.horizontalAdvance(QStringLiteral("00000000")) + 4);
        // A text that fits is not scrolled: with the cursor at its end its
        // first character still stands at the left margin.
        field->setText(QStringLiteral("-0.01055"));
        field->setCursorPosition(0);
        const int start = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
        field->setCursorPosition(field->text().size());
        const QRect end = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        EXPECT_EQ(end.left() - start, fm.horizontalAdvance(field->text()));
        EXPECT_LT(end.right(), field->width());
    }
}

TEST_F(ChartEntryTest, TabFollowsEachEntryRowFromLeftToRight)
{
    find<QComboBox>("ProcessKind")->setCurrentIndex(static_cast<int>(chart::ProcessKind::Coil));
    const struct
    {
        const char *name;
        std::vector<const char *> order;
    } rows[] = {
        {"point entry", {"TypedDryBulb", "TypedProperty", "TypedValue", "AddTypedPointButton"}},
        // The coil takes one point: the second list is hidden and skipped.
        {"process entry",
         {"ProcessKind", "ProcessFrom", "ProcessValue", "ProcessMode", "ProcessSecond",
          "AddProcessButton"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        find(row.order.front())->setFocus();
        for (std::size_t i = 1; i < row.order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            ASSERT_TRUE(QApplication::focusWidget());
            EXPECT_EQ(QApplication::focusWidget()->objectName(), Text(row.order[i]));
        }
    }
}

TEST_F(ChartEntryTest, ZoomedRangesShowAtThePrecisionTheyAreKeptIn)
{
    const char *names[] = {"RangeDryBulbLow", "RangeDryBulbHigh", "RangeHumidityLow",
                           "RangeHumidityHigh"};
    const char *typed[] = {"7.65338", "38.3734", "0.0123456", "0.0234567"};
    const char *shown[] = {"7.65", "38.37", "0.01235", "0.02346"};
    for (int i = 0; i < 4; ++i)
        find<QLineEdit>(names[i])->setText(Text(typed[i]));
    QTest::keyClick(find<QLineEdit>(names[3]), Qt::Key_Return);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(find<QLineEdit>(names[i])->text(), Text(shown[i])) << names[i];

    // Zoomed and panned by keys: temperatures with at most two decimals,
    // humidity ratios at 0.00001 kg/kg.
    const QRegularExpression temperature(QStringLiteral("^-?\\d+(\\.\\d{1,2})?$"));
    const QRegularExpression humidity(QStringLiteral("^\\d+(\\.\\d{1,5})?$"));
    app::chart::ChartWidget *view = form_->chartWidget();
    view->setFocus();
    for (Qt::Key key : {Qt::Key_Home, Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Right, Qt::Key_Up,
                        Qt::Key_Plus, Qt::Key_Minus}) {
        QTest::keyClick(view, key);
        for (int i = 0; i < 4; ++i) {
            const QString text = find<QLineEdit>(names[i])->text();
            EXPECT_TRUE((i < 2 ? temperature : humidity).match(text).hasMatch())
                << names[i] << " " << text.toStdString();
        }
    }
}

TEST_F(ChartEntryTest, SplitterHandlesShowOnLightAndDarkPalettes)
{
    QPalette dark = form_->palette();
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    const QPalette palettes[] = {form_->palette(), dark};
    for (const QPalette &palette : palettes) {
        form_->setPalette(palette);
        for (const char *name : {"ChartSplitter", "ChartSideSplitter"}) {
            SCOPED_TRACE(name);
            auto *splitter = find<QSplitter>(name);
            QSplitterHandle *handle = splitter->handle(1);
            ASSERT_TRUE(handle);
            EXPECT_GE(
                splitter->orientation() == Qt::Horizontal ? handle->width() : handle->height(), 6);
            // A band unlike the window, with a grip on it.
            const QImage image = handle->grab().toImage();
            std::set<QRgb> colours;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    colours.insert(image.pixel(x, y));
            EXPECT_EQ(colours.count(palette.color(QPalette::Window).rgb()), 0u);
            EXPECT_GE(colours.size(), 2u);
        }
    }
}

// Zoomed far in, a process runs mostly outside the plot: what is inside is
// drawn where it belongs, and nothing of what is outside.
TEST(ChartRendererOverlay, DrawsTheVisiblePartOfProcessesZoomedFarIn)
{
    chart::Diagram diagram;
    const int a = diagram.addPoint(chart::FromDryBulbAndHumidityRatio(15, 0.008L), 1000);
    chart::ProcessDefinition heat{chart::ProcessKind::Heating, a};
    heat.value = 25;
    diagram.addProcess(heat);
    chart::ProcessDefinition coil{chart::ProcessKind::Coil, a};
    coil.value = 8;
    coil.second = 0.1L;
    diagram.addProcess(coil);

    app::chart::ChartScene scene;
    scene.diagram = &diagram;
    app::chart::ChartRenderer renderer;
    const auto colours = app::chart::ChartColours::print();
    const QRectF area(0, 0, 1200, 800);
    const struct
    {
        const char *name;
        chart::Ranges view;
        bool crossed; // by the heating line along x = 0.008
    } cases[] = {
        {"heating line across the middle", {{19.0, 20.0}, {0.0075, 0.0085}}, true},
        {"nothing in view", {{40.0, 41.0}, {0.020, 0.021}}, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        scene.settings.ranges = c.view;
        QImage image(area.size().toSize(), QImage::Format_ARGB32_Premultiplied);
        image.fill(colours.background);
        {
            QPainter painter(&image);
            renderer.paintOverlay(painter, area, scene, colours);
        }
        const chart::PlotMapping m = renderer.mapping(area, c.view);
        int processPixels = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                processPixels += image.pixel(x, y) == colours.process.rgb();
        const QPoint middle(qRound(m.pixelX(19.5)), qRound(m.pixelY(0.008)));
        EXPECT_EQ(image.pixel(middle) == colours.process.rgb(), c.crossed);
        if (c.crossed)
            EXPECT_GE(processPixels, static_cast<int>(m.plot().width)); // the whole width
        else
            EXPECT_EQ(processPixels, 0);
    }
}

} // namespace
