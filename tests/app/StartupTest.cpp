// What the start leaves until the window's first frame is on the screen, and
// the controls' font, which is resolved once instead of for every control.
#include "support/FormFixture.h"

#include "app/record/Journal.h"
#include "app/ui/FormControls.h"

#include <QFontInfo>
#include <QGlyphRun>
#include <QRawFont>
#include <QTabWidget>
#include <QTextLayout>

namespace {

class StartupTest : public FormTest
{
protected:
    StartupTest() { autoOpen_ = false; }
};

// Notes what had been done when the first frame was painted.
class FirstPaintWatch : public QObject
{
public:
    FirstPaintWatch(TDuctForm &form) : form_(form) {}

    bool painted = false;
    bool recordReadByThen = false;
    bool iconSetByThen = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            recordReadByThen = form_.journal().isLoaded();
            iconSetByThen = !form_.windowIcon().isNull();
        }
        return false;
    }

private:
    TDuctForm &form_;
};

TEST_F(StartupTest, RecordAndIconWaitForTheFirstFrame)
{
    const QString folder = dir_.filePath(QStringLiteral("record"));
    {
        app::record::Journal earlier(folder);
        for (int i = 0; i < 3; ++i) {
            app::ui::CalculationRecord record;
            record.page = QStringLiteral("ダクト計算");
            record.calculation = QStringLiteral("ダクト寸法計算（圧損基準）");
            earlier.append(record);
        }
    }
    form_ = std::make_unique<TDuctForm>(nullptr, settingsFile(), folder);
    QCoreApplication::processEvents(); // a window not yet shown reads nothing
    EXPECT_FALSE(form_->journal().isLoaded());

    FirstPaintWatch watch(*form_);
    form_->pageControl()->installEventFilter(&watch);
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form_->journal().isLoaded(); }));
    EXPECT_TRUE(watch.painted);
    EXPECT_FALSE(watch.recordReadByThen);
    EXPECT_FALSE(watch.iconSetByThen);
    EXPECT_EQ(form_->journal().count(), 3);
    EXPECT_FALSE(form_->windowIcon().isNull());
}

// The fonts each run of a text is drawn in, family and style.
QStringList facesOf(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList faces;
    for (const QGlyphRun &run : layout.glyphRuns())
        faces << run.rawFont().familyName() + QLatin1Char('/') + run.rawFont().styleName();
    return faces;
}

TEST_F(StartupTest, ControlsFontIsTheFaceQtTakesFromTheFamilyList)
{
    // The sizes and weights the window uses; texts of its captions, half-width
    // katakana, units and characters the gothic face may lack.
    const struct
    {
        int pixels;
        bool bold;
    } fonts[] = {{12, false}, {13, false}, {13, true}, {15, true}, {11, false}};
    const QString text = QStringLiteral("ダクト計算 ﾍﾙﾌﾟ 圧損基準 mmAq/m ℃ ㎥/h ① Ω µ AZaz09");
    for (const auto &f : fonts) {
        SCOPED_TRACE(testing::Message() << f.pixels << (f.bold ? " bold" : ""));
        const QFont control = app::ui::ControlFont(f.pixels, f.bold);
        const QFont listed = app::ui::GothicFont(f.pixels, f.bold);
        EXPECT_EQ(QFontInfo(control).family(), QFontInfo(listed).family());
        EXPECT_EQ(QFontInfo(control).styleName(), QFontInfo(listed).styleName());
        EXPECT_EQ(QFontInfo(control).pixelSize(), QFontInfo(listed).pixelSize());
        EXPECT_EQ(facesOf(text, control), facesOf(text, listed));
    }
}

} // namespace
