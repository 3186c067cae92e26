// What a real desktop shows: long texts from their first character, captions
// without the application's name, page keys from every control, and a
// restored position that keeps the whole window on its screen.
#include "support/FormFixture.h"
#include "support/StoredSettings.h"

#include "app/chart/ChartForm.h"
#include "app/record/Journal.h"
#include "app/record/RecordForm.h"
#include "app/sizetable/SizeTableForm.h"
#include "app/ui/WindowPlacement.h"

#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QPalette>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>

#include <algorithm>
#include <cmath>

namespace {

class DesktopTest : public FormTest
{
protected:
    DesktopTest() { autoOpen_ = false; }

    void openWith(const QByteArray &settings)
    {
        QFile file(settingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(settings);
        file.close();
        openForm();
    }
    int page() const { return form_->pageControl()->currentIndex(); }
};

TEST_F(DesktopTest, TextsTheProgramWritesShowTheirFirstCharacter)
{
    // The standard pressure in kPa, written at start in SI units.
    openWith("[Button]\nB1=0\nB2=1\n");
    showPage(TDuctForm::AirPageIndex);
    EXPECT_EQ(text("PrEdit"), QStringLiteral("101.325024"));
    EXPECT_EQ(edit("PrEdit")->cursorPosition(), 0);

    // A value written back by Enter.
    showPage(TDuctForm::DuctPageIndex);
    type("P_Fryo", QStringLiteral("1/3"));
    pressEnter("P_Fryo");
    EXPECT_EQ(text("P_Fryo"), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(edit("P_Fryo")->cursorPosition(), 0);

    // Tab into a result: all of it selected for copying, and its start in view.
    QLineEdit *side = edit("S_Size1");
    side->setText(QStringLiteral("457.012459777829"));
    side->setCursorPosition(0);
    edit("S_Fryo")->setFocus();
    pressTab();
    ASSERT_EQ(focused(), QStringLiteral("S_Size1"));
    EXPECT_EQ(side->selectedText(), side->text());
    EXPECT_EQ(side->cursorPosition(), 0);

    // Typing behaves as typing does: the cursor follows the text.
    type("P_Fryo", QStringLiteral("123456789012345678"));
    EXPECT_EQ(edit("P_Fryo")->cursorPosition(), 18);
}

TEST_F(DesktopTest, BoxCaptionsGetNoApplicationName)
{
    openForm();
    // The desktop adds " — " and the display name (by default the
    // application name) to every title that does not end with it: "警告 —
    // Zefra". Every title ends with an empty one.
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Zefra"));
    EXPECT_TRUE(QGuiApplication::applicationDisplayName().isEmpty());
}

TEST_F(DesktopTest, PageKeysChangeThePageFromEveryControl)
{
    openForm();
    const struct
    {
        int page;
        const char *control;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int expected;
    } cases[] = {
        {TDuctForm::PipePageIndex, "P_Size", Qt::Key_Tab, Qt::ControlModifier,
         TDuctForm::AirPageIndex},
        {TDuctForm::PipePageIndex, "Ond", Qt::Key_PageDown, Qt::ControlModifier,
         TDuctForm::AirPageIndex},
        {TDuctForm::DuctPageIndex, "D_Syrui", Qt::Key_Backtab,
         Qt::ControlModifier | Qt::ShiftModifier, TDuctForm::UnitsPageIndex},
        {TDuctForm::AirPageIndex, "SelectBox", Qt::Key_PageUp, Qt::ControlModifier,
         TDuctForm::PipePageIndex},
        {TDuctForm::OutletPageIndex, "Edit19", Qt::Key_Tab, Qt::ControlModifier,
         TDuctForm::PipePageIndex},
        {TDuctForm::DuctPageIndex, "KakuButton", Qt::Key_PageDown, Qt::ControlModifier,
         TDuctForm::OutletPageIndex},
        {TDuctForm::UnitsPageIndex, "Edit1", Qt::Key_Tab, Qt::ControlModifier,
         TDuctForm::DuctPageIndex},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.control);
        showPage(c.page);
        QWidget *control = find(c.control);
        control->setFocus();
        auto *list = qobject_cast<QComboBox *>(control);
        const int selected = list ? list->currentIndex() : -1;
        QTest::keyClick(control, c.key, c.modifiers);
        EXPECT_EQ(page(), c.expected);
        if (list) { // the list's choice stays as it was
            EXPECT_EQ(list->currentIndex(), selected);
        }
    }
}

TEST_F(DesktopTest, RestoredPositionKeepsTheWholeWindowOnItsScreen)
{
    openForm();
    const QRect screen = form_->screen()->availableGeometry();
    const QSize size = form_->frameGeometry().size();
    ASSERT_TRUE(form_->close());
    form_.reset();

    const struct
    {
        const char *name;
        QByteArray settings;
        QPoint expected;
    } cases[] = {
        // The title bar is on the screen, the right part would not be.
        {"right edge",
         QByteArray("[Window]\nLeft=") + QByteArray::number(screen.right() - 100) + "\nTop=10\n",
         QPoint(screen.right() - size.width() + 1, 10)},
        {"bottom edge",
         QByteArray("[Window]\nLeft=20\nTop=") + QByteArray::number(screen.bottom() - 40) + "\n",
         QPoint(20, screen.bottom() - size.height() + 1)},
        {"left edge", "[Window]\nLeft=-200\nTop=30\n", QPoint(screen.left(), 30)},
        {"inside", "[Window]\nLeft=40\nTop=50\n", QPoint(40, 50)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        openWith(c.settings);
        EXPECT_EQ(form_->frameGeometry().topLeft(), c.expected);
        EXPECT_TRUE(screen.contains(form_->frameGeometry()));
        ASSERT_TRUE(form_->close());
        form_.reset();
    }
    openForm();
}

TEST_F(DesktopTest, PositionsBeyondAnyScreenLeaveTheWindowCentred)
{
    // The largest and smallest integers overflowed the geometry arithmetic.
    for (const char *settings :
         {"[Window]\nLeft=2147483647\nTop=2147483647\n", "[Window]\nLeft=-2147483648\nTop=5\n",
          "[Window]\nTop=2147483647\n", "[Window]\nLeft=99999999\nTop=-99999999\n"}) {
        SCOPED_TRACE(settings);
        openWith(settings);
        const QRect screen = form_->screen()->availableGeometry();
        EXPECT_EQ(form_->frameGeometry().center(), screen.center());
        ASSERT_TRUE(form_->close());
        form_.reset();
    }
    openForm();
}

TEST_F(DesktopTest, EveryWindowKeepsAStoredPlaceOnItsScreen)
{
    openForm();
    const QRect screen = form_->screen()->availableGeometry();
    const QSize size(400, 300);
    const struct
    {
        const char *name;
        int left;
        int top;
        std::optional<QPoint> expected;
    } cases[] = {
        {"inside", 40, 50, QPoint(40, 50)},
        {"right part off the screen", screen.right() - 100, 10,
         QPoint(screen.right() - size.width() + 1, 10)},
        {"title bar off every screen", screen.right() + 500, 10, std::nullopt},
        {"largest integer", 2147483647, 2147483647, std::nullopt},
        {"smallest integer", -2147483647 - 1, 0, std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(app::ui::PlaceOnScreen(c.left, c.top, size), c.expected);
    }

    // The feature windows restore their place through the same rule: an
    // impossible place leaves them where they were.
    const StoredTexts huge{{"Left", "2147483647"}, {"Top", "2147483647"}};
    app::chart::ChartForm chart;
    const QPoint chartAt = chart.pos();
    RestoreFrom(chart.settingsKeys(), huge);
    EXPECT_EQ(chart.pos(), chartAt);
    app::sizetable::SizeTableForm table;
    const QPoint tableAt = table.pos();
    RestoreFrom(table.settingsKeys(), huge);
    EXPECT_EQ(table.pos(), tableAt);
    app::record::Journal journal(dir_.filePath(QStringLiteral("journal")));
    app::record::RecordForm record(journal);
    const QPoint recordAt = record.pos();
    RestoreFrom(record.settingsKeys(), huge);
    EXPECT_EQ(record.pos(), recordAt);
}

// On the dark title bars an unchecked indicator must not be a white disc
// (it read as "on") and the focus frame must stand out from the bar.
TEST_F(DesktopTest, TitleBarControlsShowTheirStateAndFocus)
{
    openForm();
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const auto contrast = [&](const QColor &a, const QColor &b) {
        const double la = luminance(a), lb = luminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    };
    showPage(TDuctForm::OutletPageIndex);
    showPage(TDuctForm::DuctPageIndex);
    for (const char *name : {"ssButton1", "ssButton2", "CheckBox1", "CheckBox2"}) {
        SCOPED_TRACE(name);
        const QPalette p = find(name)->palette();
        const QColor bar = p.color(QPalette::Window);
        // The mark (Text) on the indicator (Base), the indicator on the bar,
        // and the focus frame (Highlight) on the bar.
        EXPECT_GE(contrast(p.color(QPalette::Text), p.color(QPalette::Base)), 3.0);
        EXPECT_LT(luminance(p.color(QPalette::Base)), 0.5);
        EXPECT_GE(contrast(p.color(QPalette::Highlight), bar), 3.0);
        EXPECT_GE(contrast(p.color(QPalette::WindowText), bar), 4.5);
    }
}

} // namespace
