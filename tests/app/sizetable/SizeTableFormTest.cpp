#include "app/sizetable/SizeTableForm.h"
#include "app/sizetable/SizeTableModel.h"
#include "numeric/Units.h"
#include "support/BoxRecorder.h"
#include "support/StoredSettings.h"

#include <QApplication>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

using namespace app::sizetable;

// The duct page's worked example: 3600 m³/h at 0.100 mmAq/m in galvanised
// duct with standard air, the first side fixed at 300 mm (300 × 600).
DuctTableRequest ductRequest(long double target = 0.1L, bool conventionalUnits = true)
{
    DuctTableRequest r;
    r.state = SizingState::Done;
    r.inputs = {
        3600, 0.18L, 1.2L, target, false, 300.0L, numeric::LossUnitFactor(conventionalUnits)};
    r.conventionalUnits = conventionalUnits;
    r.material = QStringLiteral("亜鉛鉄板（板状で縦方向に継目）                 ");
    return r;
}

// The pipe page's worked example: 100 L/min at 30 mmAq/m, rusty steel, 20 ℃.
PipeTableRequest pipeRequest(long double target = 30)
{
    PipeTableRequest r;
    r.state = SizingState::Done;
    r.inputs = {100, 0.3L, 998.2L, target, 1};
    r.material = QStringLiteral("錆びた鋼管");
    r.temperature = QStringLiteral("20");
    return r;
}

class SizeTableFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form_ = std::make_unique<SizeTableForm>(nullptr);
        form_->show();
        QApplication::setActiveWindow(form_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
        QObject::connect(form_.get(), &SizeTableForm::sizeChosen,
                         [this](const app::ui::SizeChoice &c) { chosen_.append(describe(c)); });
    }

    // "round d", "rectangle a b" or "pipe index".
    static QString describe(const app::ui::SizeChoice &c)
    {
        switch (c.kind) {
        case app::ui::SizeChoice::Kind::Round:
            return QStringLiteral("round ") + c.sizeA;
        case app::ui::SizeChoice::Kind::Rectangle:
            return QStringLiteral("rectangle ") + c.sizeA + QLatin1Char(' ') + c.sizeB;
        case app::ui::SizeChoice::Kind::Pipe:
            break;
        }
        return QStringLiteral("pipe ") + QString::number(c.sizeIndex);
    }

    void TearDown() override
    {
        QTest::qWait(1);
        EXPECT_TRUE(boxes_.take().isEmpty()) << "the table never opens a box";
        form_.reset();
    }

    template <typename W> W *find(const char *name) const
    {
        W *w = form_->findChild<W *>(QString::fromLatin1(name));
        EXPECT_TRUE(w) << "no control " << name;
        return w;
    }
    QTableView *view() const { return find<QTableView>("SizeTable"); }
    SizeTableModel *model() const { return static_cast<SizeTableModel *>(view()->model()); }
    QString message() const
    {
        QLabel *label = find<QLabel>("SizeTableMessage");
        return label->isVisible() ? label->text() : QString();
    }
    QString cell(int row, int column) const
    {
        return model()->index(row, column).data().toString();
    }
    // The row as "a×b" (duct rectangles), "φd" (round) or the nominal size.
    QString size(int row) const
    {
        const QString first = model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString();
        if (first.startsWith(QStringLiteral("呼び径")))
            return cell(row, 1);
        if (cell(row, 1) == QStringLiteral("円形"))
            return QStringLiteral("φ") + QString::number(cell(row, 5).toDouble());
        return cell(row, 2) + QStringLiteral("×") + cell(row, 3);
    }
    int rowOf(const QString &sizeText) const
    {
        for (int row = 0; row < model()->rowCount(); ++row) {
            if (size(row) == sizeText)
                return row;
        }
        ADD_FAILURE() << "no row " << sizeText.toStdString();
        return -1;
    }
    QRect rectOf(int row) const { return view()->visualRect(model()->index(row, 2)); }
    void doubleClick(int row)
    {
        view()->scrollTo(model()->index(row, 2));
        // A double click arrives after the press of its first click.
        const QPoint at = rectOf(row).center();
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, at);
    }
    QStringList lines(const QString &text) const
    {
        return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    std::unique_ptr<SizeTableForm> form_;
    BoxRecorder boxes_;
    QStringList chosen_; // every size chosen, described
};

TEST_F(SizeTableFormTest, IsANonModalResizableWindow)
{
    EXPECT_EQ(form_->objectName(), QStringLiteral("SizeTableForm"));
    EXPECT_EQ(form_->windowTitle(), QStringLiteral("サイズ一覧"));
    EXPECT_FALSE(form_->isModal());
    EXPECT_TRUE(form_->isWindow());
    EXPECT_NE(form_->minimumSize(), form_->maximumSize());
}

// The chosen row is marked, current and shown; nothing is selected.
TEST_F(SizeTableFormTest, MarksThePagesChoice)
{
    form_->showSizing(ductRequest());
    const int row = rowOf(QStringLiteral("300×600"));
    EXPECT_EQ(cell(row, 0), QStringLiteral("●"));
    EXPECT_TRUE(model()->index(row, 4).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(cell(row, 6), QStringLiteral("5.556"));
    EXPECT_EQ(cell(row, 7), QStringLiteral("0.092"));
    EXPECT_EQ(view()->currentIndex().row(), row);
    EXPECT_TRUE(view()->selectionModel()->selectedRows().isEmpty());
    int marks = 0;
    for (int r = 0; r < model()->rowCount(); ++r)
        marks += cell(r, 0).isEmpty() ? 0 : 1;
    EXPECT_EQ(marks, 1);
    EXPECT_EQ(message(), QString());
    const QString inputs = find<QLabel>("SizeTableInputs")->text();
    EXPECT_TRUE(inputs.contains(QStringLiteral("風量 3600 m3/h"))) << inputs.toStdString();
    EXPECT_TRUE(inputs.contains(QStringLiteral("目標圧損 0.1 mmAq/m"))) << inputs.toStdString();
    EXPECT_TRUE(inputs.contains(QStringLiteral("管材 亜鉛鉄板（板状で縦方向に継目）　")));
}

// Rectangles above the aspect-ratio limit are greyed, compared with the ratio
// as shown; the limit is editable.
TEST_F(SizeTableFormTest, GreysRectanglesAboveTheAspectLimit)
{
    form_->showSizing(ductRequest());
    const QColor grey = QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text);
    const auto greyed = [&](const char *size) {
        const int row = rowOf(QString::fromUtf8(size));
        return model()->index(row, 2).data(Qt::ForegroundRole).value<QColor>() == grey;
    };
    const struct
    {
        double limit;
        const char *size;
        bool greyed;
    } cases[] = {
        // Default 4.0: 200 × 1000 is 5.0, 950 × 250 is 3.8.
        {4.0, "200×1000", true},   {4.0, "950×250", false},
        {4.0, "φ450", false},      {3.0, "250×750", false},  // 3.0 is not above 3.0
        {3.0, "800×250", true},                              // 3.2
        {10.0, "150×1500", false}, {10.0, "1550×150", true}, // 10.0 and 10.3
    };
    auto *limit = find<QDoubleSpinBox>("AspectLimit");
    EXPECT_EQ(limit->value(), 4.0);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.size);
        limit->setValue(c.limit);
        EXPECT_EQ(greyed(c.size), c.greyed);
    }
}

TEST_F(SizeTableFormTest, FlagsPipeSizesOverTheTargetOrTheVelocityLimit)
{
    form_->showSizing(pipeRequest());
    EXPECT_FALSE(find<QWidget>("AspectLimit")->isVisible());
    auto *limit = find<QDoubleSpinBox>("VelocityLimit");
    EXPECT_TRUE(limit->isVisible());
    EXPECT_EQ(limit->value(), 2.0);
    EXPECT_EQ(cell(rowOf(QStringLiteral("50")), 0), QStringLiteral("●"));
    const QString over = QStringLiteral("超過");
    // Size: loss over 30 mmAq/m; velocity over 2.0, then over 1.5 m/s.
    const struct
    {
        const char *size;
        bool overTarget;
        bool overTwo;
        bool overOneAndAHalf;
    } cases[] = {
        {"25", true, true, true},    // 2.786 m/s, 561.583 mmAq/m
        {"32", true, false, true},   // 1.665 m/s
        {"40", true, false, false},  // 1.226 m/s, 65.525 mmAq/m
        {"50", false, false, false}, // 0.758 m/s, 18.793 mmAq/m
        {"500", false, false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.size);
        const int row = rowOf(QString::fromUtf8(c.size));
        EXPECT_EQ(cell(row, 5) == over, c.overTarget);
        limit->setValue(2.0);
        EXPECT_EQ(cell(row, 6) == over, c.overTwo);
        limit->setValue(1.5);
        EXPECT_EQ(cell(row, 6) == over, c.overOneAndAHalf);
    }
}

// Ctrl+C copies the selected rows, or all of them, under a caption row.
TEST_F(SizeTableFormTest, CopiesTabSeparatedRows)
{
    form_->showSizing(ductRequest(1.0L, false));
    const QString header = QStringLiteral(
        "選択\t形状\ta (mm)\tb (mm)\t縦横比\t直径・相当径 (mm)\t風速 (m/s)\t圧力損失 (Pa/m)\t目標");
    view()->setFocus();
    QTest::keyClick(view(), Qt::Key_C, Qt::ControlModifier);
    QStringList all = lines(QGuiApplication::clipboard()->text());
    ASSERT_EQ(all.size(), model()->rowCount() + 1);
    EXPECT_EQ(all.front(), header);
    EXPECT_EQ(all[1].toStdString(), "\t円形\t\t\t\t400.0\t7.958\t1.774\t超過");

    const int row = rowOf(QStringLiteral("300×600"));
    view()->selectRow(row);
    view()->selectionModel()->select(model()->index(0, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::keyClick(view(), Qt::Key_C, Qt::ControlModifier);
    const QStringList selected = lines(QGuiApplication::clipboard()->text());
    ASSERT_EQ(selected.size(), 3);
    EXPECT_EQ(selected[0], header);
    EXPECT_EQ(selected[1], all[1]); // in the order shown
    // 0.0922 mmAq/m is 0.904 Pa/m.
    EXPECT_EQ(selected[2].toStdString(), "●\t矩形\t300\t600\t2.0\t457.0\t5.556\t0.904\t");
    EXPECT_EQ(form_->copyText(), QGuiApplication::clipboard()->text());
}

// Lengths in mm show one decimal, as on a printed sheet (the page writes an
// equivalent diameter with fifteen digits); the table's whole-millimetre
// sides stay whole. Velocities and losses are the page's own texts. A chosen
// row still carries its exact size.
TEST_F(SizeTableFormTest, ShowsTheDigitsEachColumnMerits)
{
    const QRegularExpression oneDecimal(QStringLiteral("^\\d+\\.\\d$"));
    const QRegularExpression side(QStringLiteral("^\\d+(\\.\\d)?$"));
    const QRegularExpression pageText(QStringLiteral("^\\d+\\.\\d{3}$"));
    const auto check = [&](int column, const QRegularExpression &pattern) {
        SCOPED_TRACE(column);
        for (int row = 0; row < model()->rowCount(); ++row) {
            const QString shown = cell(row, column);
            if (!shown.isEmpty() || column >= 4) {
                EXPECT_TRUE(pattern.match(shown).hasMatch()) << shown.toStdString();
            }
        }
    };
    DuctTableRequest request = ductRequest();
    request.inputs.fixedSide = 333.333L; // typed on the page
    form_->showSizing(request);
    check(2, side);
    check(3, side);
    check(5, oneDecimal);
    check(6, pageText);
    check(7, pageText);
    const int typed = rowOf(QStringLiteral("333.3×550"));
    EXPECT_TRUE(form_->copyText().contains(QStringLiteral("\t333.3\t550\t")));
    doubleClick(typed);
    EXPECT_EQ(chosen_, QStringList{QStringLiteral("rectangle 333.333 550")});

    form_->showSizing(pipeRequest());
    check(2, oneDecimal);
    check(3, pageText);
    check(4, pageText);
}

TEST_F(SizeTableFormTest, DoubleClickOrEnterChoosesASize)
{
    form_->showSizing(ductRequest());
    doubleClick(rowOf(QStringLiteral("250×750")));
    doubleClick(rowOf(QStringLiteral("φ500")));
    // Enter acts on the current row: at first the page's own choice.
    form_->showSizing(ductRequest());
    view()->setFocus();
    QTest::keyClick(view(), Qt::Key_Return);
    form_->showSizing(pipeRequest());
    doubleClick(rowOf(QStringLiteral("65")));
    EXPECT_EQ(chosen_,
              (QStringList{QStringLiteral("rectangle 250 750"), QStringLiteral("round 500"),
                           QStringLiteral("rectangle 300 600"), QStringLiteral("pipe 7")}));
}

// Sorting by a column orders by the value; cells without one come last;
// clearing the sort restores the computed order.
TEST_F(SizeTableFormTest, SortsByColumn)
{
    form_->showSizing(ductRequest());
    const int rows = model()->rowCount();
    QStringList computed;
    for (int row = 0; row < rows; ++row)
        computed << size(row);
    for (Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
        view()->sortByColumn(2, order); // a: the round rows have none
        for (int row = 1; row < rows - 5; ++row) {
            const double before = cell(row - 1, 2).toDouble();
            const double after = cell(row, 2).toDouble();
            EXPECT_TRUE(order == Qt::AscendingOrder ? before <= after : before >= after);
        }
        for (int row = rows - 5; row < rows; ++row)
            EXPECT_EQ(cell(row, 1), QStringLiteral("円形"));
    }
    view()->sortByColumn(6, Qt::AscendingOrder); // velocity
    for (int row = 1; row < rows; ++row)
        EXPECT_LE(cell(row - 1, 6).toDouble(), cell(row, 6).toDouble());
    // A new sizing keeps the order the user chose.
    form_->showSizing(ductRequest(0.08L));
    for (int row = 1; row < model()->rowCount(); ++row)
        EXPECT_LE(cell(row - 1, 6).toDouble(), cell(row, 6).toDouble());
    form_->showSizing(ductRequest());
    view()->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    QStringList restored;
    for (int row = 0; row < rows; ++row)
        restored << size(row);
    EXPECT_EQ(restored, computed);
    // The other page's table starts in its own order.
    view()->sortByColumn(6, Qt::AscendingOrder);
    form_->showSizing(pipeRequest());
    EXPECT_EQ(size(0), QStringLiteral("10"));
}

// No sizing, a failed one, or a target never met: one line in the window.
TEST_F(SizeTableFormTest, SaysOnceWhatIsMissing)
{
    const struct
    {
        const char *name;
        std::function<void(SizeTableForm &)> show;
        int rows;
        const char *message;
        bool inputsRead = true;
    } cases[] = {
        {"no sizing yet", [](SizeTableForm &f) { f.showSizing(DuctTableRequest{}); }, 0,
         "まだ寸法計算をしていません。ダクト計算の寸法計算をすると、ここにサイズの一覧が出ます。",
         false},
        {"failed before reading",
         [](SizeTableForm &f) {
             PipeTableRequest r;
             r.state = SizingState::Failed;
             f.showSizing(r);
         },
         0, "最後の寸法計算ができませんでした。数値を確認してください。", false},
        {"no air",
         [](SizeTableForm &f) {
             DuctTableRequest r = ductRequest();
             r.inputs.flow = 0;
             f.showSizing(r);
         },
         0, "最後の寸法計算ができませんでした。数値を確認してください。"},
        {"duct target 0", [](SizeTableForm &f) { f.showSizing(ductRequest(0)); }, 5 + 39,
         "注意：目標圧損を満たすサイズがありません。直径（角ダクトは相当径）が 10000 mm "
         "を超えたところで探すのをやめ、その寸法を示しています。"},
        {"pipe target 0", [](SizeTableForm &f) { f.showSizing(pipeRequest(0)); }, 22,
         "注意：目標圧損を満たす呼び径がありません。"},
        {"duct velocity 0",
         [](SizeTableForm &f) {
             DuctTableRequest r = ductRequest(0);
             r.basis = flow::SizingBasis::Velocity;
             f.showSizing(r);
         },
         0, "注意：目標風速が 0 以下では寸法を求められません。"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        c.show(*form_);
        EXPECT_EQ(model()->rowCount(), c.rows);
        EXPECT_EQ(message(), QString::fromUtf8(c.message));
        // The inputs stay in view whenever the page could read them.
        EXPECT_EQ(find<QLabel>("SizeTableInputs")->isVisible(), c.inputsRead);
    }
}

// A hidden window keeps the request and computes it when it is shown.
TEST_F(SizeTableFormTest, ComputesWhenShown)
{
    form_->hide();
    form_->showSizing(ductRequest());
    EXPECT_EQ(model()->rowCount(), 0);
    form_->show();
    EXPECT_GT(model()->rowCount(), 40);
}

TEST_F(SizeTableFormTest, SettingsRoundTrip)
{
    StoredTexts stored{{"Width", "640"},
                       {"Height", "480"},
                       {"AspectLimitTenths", "35"},
                       {"VelocityLimitTenths", "15"}};
    SizeTableForm restored(nullptr);
    RestoreFrom(restored.settingsKeys(), stored);
    EXPECT_EQ(restored.size(), QSize(640, 480));
    EXPECT_EQ(restored.findChild<QDoubleSpinBox *>("AspectLimit")->value(), 3.5);
    EXPECT_EQ(restored.findChild<QDoubleSpinBox *>("VelocityLimit")->value(), 1.5);
    // Never shown and no position stored: no position is saved.
    const std::vector<std::pair<std::string, std::string>> expected{{"Width", "640"},
                                                                    {"Height", "480"},
                                                                    {"AspectLimitTenths", "35"},
                                                                    {"VelocityLimitTenths", "15"}};
    EXPECT_EQ(SavedTexts(restored.settingsKeys()), expected);

    // Values out of range keep the defaults, a size beyond the screen is
    // bounded by it; a position off every screen is not applied.
    stored = {{"Width", "5"},    {"Height", "100000"},       {"Left", "-30000"},
              {"Top", "-30000"}, {"AspectLimitTenths", "0"}, {"VelocityLimitTenths", "9999"}};
    SizeTableForm defaults(nullptr);
    const QSize size = defaults.size();
    RestoreFrom(defaults.settingsKeys(), stored);
    EXPECT_EQ(defaults.width(), size.width());
    EXPECT_LT(defaults.height(), defaults.screen()->availableGeometry().height());
    const auto saved = SavedTexts(defaults.settingsKeys());
    ASSERT_EQ(saved.size(), 4u);
    EXPECT_EQ(saved[2], (std::pair<std::string, std::string>{"AspectLimitTenths", "40"}));
    EXPECT_EQ(saved[3], (std::pair<std::string, std::string>{"VelocityLimitTenths", "20"}));

    // A shown window saves its position.
    const auto shown = SavedTexts(form_->settingsKeys());
    ASSERT_EQ(shown.size(), 6u);
    EXPECT_EQ(shown[0], (std::pair<std::string, std::string>{"Left", std::to_string(form_->x())}));
    EXPECT_EQ(shown[1], (std::pair<std::string, std::string>{"Top", std::to_string(form_->y())}));
}

} // namespace
