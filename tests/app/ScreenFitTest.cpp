// The tools windows restored from the settings file fit the screen they open
// on, whatever size was stored: a size saved at 100 % and restored at 200 %,
// a size beyond any screen, the largest and smallest numbers an int holds.
// CTest runs this with two offscreen screens side by side (TwoScreens.json),
// at 100 % and at 200 %.
#include "support/FormFixture.h"

#include "app/ui/TableFace.h"

#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTableView>

#include <climits>
#include <string>

namespace {

struct Tool
{
    const char *action;
    const char *window;
    const char *section;
    const char *table;
};

constexpr Tool Tools[] = {
    {"Chart1", "ChartForm", "Chart", "ChartPoints"},
    {"Record1", "RecordForm", "Record", "RecordTable"},
    {"SizeTable1", "SizeTableForm", "SizeTable", "SizeTable"},
    {"LossSheet1", "LossSheetForm", "LossSheet", "SectionTable"},
};

struct Stored
{
    const char *name;
    std::string keys;   // the section's lines
    int screen;         // the screen the window must stand on whole
    bool keepsPosition; // at the stored place exactly
};

// At 200 % the screens are 960 × 540 and 640 × 512 px.
const Stored Cases[] = {
    {"nothing stored", "", 0, false},
    {"saved maximised at 100 %", "Left=0\r\nTop=0\r\nWidth=1910\r\nHeight=1040\r\n", 0, false},
    {"a fitting size", "Left=40\r\nTop=30\r\nWidth=600\r\nHeight=400\r\n", 0, true},
    {"twice the screen", "Left=100\r\nTop=100\r\nWidth=3820\r\nHeight=2080\r\n", 0, false},
    {"the largest int", "Width=2147483647\r\nHeight=2147483647\r\n", 0, false},
    {"every extreme",
     "Left=2147483647\r\nTop=-2147483648\r\nWidth=2147483647\r\nHeight=-2147483648\r\n", 0, false},
    {"too small", "Left=10\r\nTop=10\r\nWidth=1\r\nHeight=0\r\n", 0, false},
    {"oversize on the side screen", "Left=2000\r\nTop=50\r\nWidth=3000\r\nHeight=3000\r\n", 1,
     false},
    {"past the side screen's edge", "Left=3000\r\nTop=900\r\nWidth=900\r\nHeight=600\r\n", 1,
     false},
};

class ScreenFitTest : public FormTest
{
protected:
    void SetUp() override
    {
        autoOpen_ = false;
        FormTest::SetUp();
        if (QGuiApplication::screens().size() != 2)
            GTEST_SKIP() << "runs with two screens: "
                            "QT_QPA_PLATFORM=offscreen:configfile=tests/app/TwoScreens.json";
    }

    void store(const char *section, const std::string &keys)
    {
        QFile file(settingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray("[") + section + "]\r\n" + QByteArray::fromStdString(keys));
    }
};

TEST_F(ScreenFitTest, EveryRestoredWindowFitsItsScreen)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (const Tool &tool : Tools) {
        for (const Stored &c : Cases) {
            SCOPED_TRACE(std::string(tool.window) + ", " + c.name);
            store(tool.section, c.keys);
            openForm();
            find<QAction>(tool.action)->trigger();
            auto *window = form_->findChild<QWidget *>(QString::fromLatin1(tool.window));
            ASSERT_TRUE(window);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(window));

            const QRect area = screens[c.screen]->availableGeometry();
            const QRect frame = window->frameGeometry();
            EXPECT_TRUE(area.contains(frame))
                << "frame " << frame.x() << "," << frame.y() << " " << frame.width() << "×"
                << frame.height() << " on " << area.width() << "×" << area.height();
            // A usable window, as large as the screen allows.
            EXPECT_GE(window->width(), std::min(320, area.width() - 16));
            EXPECT_GE(window->height(), std::min(240, area.height() - 40));
            // At 100 % the stored place leaves room for every window.
            if (c.keepsPosition && window->devicePixelRatio() == 1) {
                EXPECT_EQ(window->pos(), QPoint(40, 30));
            }
            // It paints, and its table in the table face.
            EXPECT_FALSE(window->grab().isNull());
            auto *table = window->findChild<QTableView *>(QString::fromLatin1(tool.table));
            ASSERT_TRUE(table);
            EXPECT_EQ(table->font(), app::ui::TableFont());
            form_.reset();
        }
    }
}

} // namespace
