// The outlets page through the window: opening ratios per type, the shape
// and fixed-side states, sizing and checking.
//
// Expected sizes and velocities: the page's worked examples (500 m³/h,
// 2 m/s, 75 % open), the same figures as the pure outlet tests, which were
// checked with a 30-digit evaluation of the flow model (mpmath).
#include "support/FormFixture.h"

#include "numeric/Failure.h"
#include "outlet/OutletPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

namespace {

const QString SizeHint = QStringLiteral("サイズを入力してください");
const QString CalculatedHint = QStringLiteral("計算します");
const std::string CheckValues = warningBox("数値を確認して下さい。");

class OutletPageTest : public FormTest
{
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        showPage(TDuctForm::OutletPageIndex);
    }

    // The user picks an outlet type from the list.
    void pickType(int index)
    {
        auto *types = find<QComboBox>("ComboBox1");
        types->setCurrentIndex(index);
        emit types->activated(index);
    }
    void chooseRound(bool round)
    {
        find<QRadioButton>(round ? "RadioButton2" : "RadioButton1")->click();
    }
    void tickFixedSide(bool on)
    {
        auto *box = find<QCheckBox>("CheckBox2");
        if (box->isChecked() != on)
            box->click();
    }
    void setTexts(std::initializer_list<std::pair<const char *, const char *>> texts)
    {
        for (const auto &[name, value] : texts)
            edit(name)->setText(QString::fromUtf8(value));
    }
};

TEST_F(OutletPageTest, EachTypeShowsItsDefaultRatioInBothFields)
{
    // Default opening ratios of the eight types, in list order.
    const char *ratios[] = {"75", "75", "35", "35", "60", "35", "60", "90"};
    for (int type = 0; type < outlet::OutletPage::TypeCount; ++type) {
        SCOPED_TRACE(type);
        pickType(type);
        EXPECT_EQ(text("Edit20"), QString::fromLatin1(ratios[type]));
        EXPECT_EQ(text("Edit18"), QString::fromLatin1(ratios[type]));
    }
}

// One story, step by step: what Enter in a ratio field stores, and when the
// other ratio field shows it.
TEST_F(OutletPageTest, RatioIsStoredForTheSelectedType)
{
    const struct
    {
        const char *name;
        int type;          // picked before the step
        const char *field; // nullptr: only the pick
        const char *typed;
        bool refused;
        const char *edit20;
        const char *edit18;
        const char *focusAfter;
    } steps[] = {
        // Stored for VHS; Edit18 keeps its text until the type changes.
        {"50 for VHS", 0, "Edit20", "50", false, "50", "75", "Edit26"},
        {"HS keeps its own", 1, nullptr, nullptr, false, "75", "75", nullptr},
        {"VHS again shows 50 in both", 0, nullptr, nullptr, false, "50", "50", nullptr},
        {"40 for OAG from the check section", 2, "Edit18", "40", false, "35", "40", "Edit28"},
        // An expression is no whole number, although it evaluates to one.
        {"70+5 refused", 2, "Edit20", "70+5", true, "70+5", "40", "Edit20"},
        {"OAG kept 40", 2, nullptr, nullptr, false, "40", "40", nullptr},
        {"VHS still 50", 0, nullptr, nullptr, false, "50", "50", nullptr},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.name);
        pickType(s.type);
        if (s.field) {
            type(s.field, QString::fromUtf8(s.typed));
            pressEnter(s.field);
            EXPECT_EQ(focused(), QString::fromLatin1(s.focusAfter));
        }
        const std::string box =
            s.refused
                ? failureBox(
                      QStringLiteral("'%1' は整数ではありません.").arg(QString::fromUtf8(s.typed)))
                : std::string();
        EXPECT_EQ(describe(boxes_.take()), box);
        EXPECT_EQ(text("Edit20"), QString::fromUtf8(s.edit20));
        EXPECT_EQ(text("Edit18"), QString::fromUtf8(s.edit18));
    }
}

// No type selected: the table is neither read nor written, and the failure
// box tells so; every stored ratio stays.
TEST_F(OutletPageTest, NoSelectedTypeIsARangeError)
{
    const std::string rangeError = failureBox(QStringLiteral("範囲ﾁｪｯｸｴﾗｰ."));
    const struct
    {
        const char *name;
        const char *enterIn; // nullptr: the list's change handler
    } cases[] = {
        {"show", nullptr}, {"store from Edit20", "Edit20"}, {"store from Edit18", "Edit18"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        find<QComboBox>("ComboBox1")->setCurrentIndex(-1);
        if (c.enterIn) {
            type(c.enterIn, QStringLiteral("50"));
            pressEnter(c.enterIn);
            EXPECT_EQ(focused(), QString::fromLatin1(c.enterIn)); // not evaluated, not left
        } else {
            setTexts({{"Edit20", "x"}, {"Edit18", "y"}});
            emit find<QComboBox>("ComboBox1")->activated(-1);
            EXPECT_EQ(text("Edit20"), QStringLiteral("x"));
            EXPECT_EQ(text("Edit18"), QStringLiteral("y"));
        }
        EXPECT_EQ(describe(boxes_.take()), rangeError);
    }
    const outlet::OutletPage &page = *find<outlet::OutletPage>("TabSheet5");
    const int defaults[] = {75, 75, 35, 35, 60, 35, 60, 90};
    for (int type = 0; type < outlet::OutletPage::TypeCount; ++type)
        EXPECT_EQ(page.openingRatio(type), defaults[type]) << type;
    EXPECT_THROW(page.openingRatio(outlet::OutletPage::TypeCount), numeric::RangeError);
}

TEST_F(OutletPageTest, ShapeSwitchesTheSizeFields)
{
    const struct
    {
        const char *name;
        bool round;
    } steps[] = {{"round", true}, {"rectangular again", false}, {"round again", true}};
    for (const auto &s : steps) {
        SCOPED_TRACE(s.name);
        chooseRound(s.round);
        const bool rect = !s.round;
        EXPECT_EQ(find("CheckBox2")->isEnabled(), rect);
        for (const char *name : {"Edit23", "Edit24", "Edit28", "Edit29"}) {
            SCOPED_TRACE(name);
            QLineEdit *side = edit(name);
            EXPECT_EQ(side->isEnabled(), rect);
            const QColor expected = QApplication::palette(side).color(
                QPalette::Active, rect ? QPalette::Base : QPalette::Button);
            EXPECT_EQ(side->palette().color(QPalette::Base), expected);
        }
        QLineEdit *diameter = edit("Edit30");
        EXPECT_EQ(diameter->isReadOnly(), rect);
        EXPECT_EQ(diameter->cursor().shape(), rect ? Qt::ForbiddenCursor : Qt::IBeamCursor);
        EXPECT_EQ(diameter->toolTip(), rect ? CalculatedHint : SizeHint);
    }
}

TEST_F(OutletPageTest, FixedSideOpensEdit23AndMovesTheFocus)
{
    const struct
    {
        const char *name;
        bool tick;
        bool roundBetween;      // a round detour before the check
        const char *focusAfter; // nullptr: not checked
    } steps[] = {
        {"tick", true, false, "Edit23"},
        // Back from round, the fixed side is still on and Edit23 still open.
        {"round and back", true, true, nullptr},
        {"untick", false, false, "Edit19"},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.name);
        tickFixedSide(s.tick);
        if (s.roundBetween) {
            chooseRound(true);
            chooseRound(false);
        }
        EXPECT_EQ(find<QCheckBox>("CheckBox2")->isChecked(), s.tick);
        if (s.focusAfter) {
            EXPECT_EQ(focused(), QString::fromLatin1(s.focusAfter));
        }
        QLineEdit *side = edit("Edit23");
        EXPECT_EQ(side->isReadOnly(), !s.tick);
        EXPECT_EQ(side->cursor().shape(), s.tick ? Qt::IBeamCursor : Qt::ForbiddenCursor);
        EXPECT_EQ(side->toolTip(), s.tick ? SizeHint : CalculatedHint);
    }
}

TEST_F(OutletPageTest, SizingWritesEveryResult)
{
    const struct
    {
        const char *name;
        bool round;
        bool fixed;            // CheckBox2 ticked
        const char *fixedSide; // typed into Edit23 (rectangle with the fixed side)
        const char *flow;
        const char *ratio;
        const char *velocity;
        const char *edit23; // "-": left as it was
        const char *edit24;
        const char *edit25;
        const char *edit21;
    } cases[] = {
        // Gross area 0.092593 m²: a square of 304.29 mm, rounded up to 350.
        {"square", false, false, nullptr, "500", "75", "2", "350", "350", "382.608", "1.512"},
        {"velocity as expression", false, false, nullptr, "500", "75", "4/2", "350", "350",
         "382.608", "1.512"},
        // 343.35 mm rounded up to 350; the sides are left alone.
        {"round", true, false, nullptr, "500", "75", "2", "-", "-", "350", "1.925"},
        // The fixed-side option counts for rectangles only.
        {"round with the fixed side ticked", true, true, nullptr, "500", "75", "2", "-", "-", "350",
         "1.925"},
        // 462.96 mm rounded up to 500.
        {"fixed side 200", false, true, "200", "500", "75", "2", "200", "500", "337.030", "1.852"},
        {"fixed side as expression", false, true, "400/2", "500", "75", "2", "200", "500",
         "337.030", "1.852"},
        // The fixed side is written back with 15 digits, not rounded to 4.
        {"fixed side with decimals", false, true, "123.45", "500", "75", "2", "123.45", "800",
         "312.035", "1.875"},
        // Exactly 0.25 m²: 500 × 500 is not increased.
        {"already a multiple", false, false, nullptr, "1800", "100", "2", "500", "500", "546.583",
         "2.000"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        chooseRound(false);
        tickFixedSide(c.fixed);
        chooseRound(c.round);
        setTexts({{"Edit19", c.flow},
                  {"Edit20", c.ratio},
                  {"Edit23", "-"},
                  {"Edit24", "-"},
                  {"Edit25", "-"},
                  {"Edit21", "-"}});
        type("Edit26", QString::fromUtf8(c.velocity));
        pressEnter("Edit26");
        if (c.fixedSide) {
            // Enter in the velocity only moves on to the fixed side.
            EXPECT_EQ(focused(), QStringLiteral("Edit23"));
            EXPECT_EQ(text("Edit21"), QStringLiteral("-"));
            type("Edit23", QString::fromUtf8(c.fixedSide));
            pressEnter("Edit23");
            EXPECT_EQ(focused(), QStringLiteral("Edit23"));
        } else {
            EXPECT_EQ(focused(), QStringLiteral("Edit26"));
        }
        EXPECT_TRUE(boxes_.empty()) << describe(boxes_.take());
        EXPECT_EQ(text("Edit23"), QString::fromUtf8(c.edit23));
        EXPECT_EQ(text("Edit24"), QString::fromUtf8(c.edit24));
        EXPECT_EQ(text("Edit25"), QString::fromUtf8(c.edit25));
        EXPECT_EQ(text("Edit21"), QString::fromUtf8(c.edit21));
    }
}

// A failed sizing shows the warning and leaves every field as it was.
TEST_F(OutletPageTest, SizingFailuresKeepTheResults)
{
    const struct
    {
        const char *name;
        const char *field; // given the bad text; the others stay good
        const char *text;
        bool fixed;
    } cases[] = {
        {"ratio empty", "Edit20", "", false},
        {"ratio 0", "Edit20", "0", false},
        // Only the field where Enter is pressed takes an expression.
        {"ratio as expression", "Edit20", "70+5", false},
        {"no velocity", "Edit26", "0", false},
        {"flow not a number", "Edit19", "abc", false},
        {"flow empty", "Edit19", "", false},
        // Edit23 is rewritten with the same text before the diameter fails.
        {"fixed side 0", "Edit23", "0", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        tickFixedSide(false);
        setTexts({{"Edit19", "500"}, {"Edit20", "75"}, {"Edit26", "2"}});
        pressEnter("Edit26");
        ASSERT_EQ(text("Edit21"), QStringLiteral("1.512"));
        tickFixedSide(c.fixed);
        type(c.field, QString::fromUtf8(c.text));
        const char *enterIn = c.fixed ? "Edit23" : "Edit26";
        find(enterIn)->setFocus();
        const auto before = allFieldTexts();
        pressEnter(enterIn);
        EXPECT_EQ(describe(boxes_.take()), CheckValues);
        EXPECT_EQ(allFieldTexts(), before);
        EXPECT_EQ(focused(), QString::fromLatin1(enterIn));
    }
}

TEST_F(OutletPageTest, CheckingAGivenSize)
{
    const struct
    {
        const char *name;
        bool round;
        const char *ratio;
        const char *sideB;    // Edit29
        const char *diameter; // Edit30 before Enter
        const char *enterIn;
        bool refused;
        const char *edit30; // after Enter
        const char *edit32;
    } cases[] = {
        {"300 x 300", false, "75", "300", "-", "Edit29", false, "327.950", "2.058"},
        {"second side as expression", false, "75", "150*2", "-", "Edit29", false, "327.950",
         "2.058"},
        {"round 300", true, "75", "300", "300", "Edit30", false, "300", "2.620"},
        {"round diameter as expression", true, "75", "300", "600/2", "Edit30", false, "300",
         "2.620"},
        // The equivalent diameter fails on a zero side: nothing is written.
        {"second side 0", false, "75", "0", "-", "Edit29", true, "-", "-"},
        {"ratio empty", false, "", "300", "-", "Edit29", true, "-", "-"},
        {"ratio 0", false, "0", "300", "-", "Edit29", true, "-", "-"},
        {"round ratio 0", true, "0", "300", "300", "Edit30", true, "300", "-"},
        // Enter in the read-only equivalent diameter of a rectangle checks a
        // round outlet of that diameter, as the duct page's diameter field does.
        {"rectangle, Enter in Edit30", false, "75", "300", "327.950", "Edit30", false, "327.95",
         "2.192"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        chooseRound(c.round);
        setTexts({{"Edit17", "500"},
                  {"Edit18", c.ratio},
                  {"Edit28", "300"},
                  {"Edit29", c.sideB},
                  {"Edit30", c.diameter},
                  {"Edit32", "-"}});
        find(c.enterIn)->setFocus();
        if (!edit(c.enterIn)->isReadOnly())
            type(c.enterIn, text(c.enterIn));
        pressEnter(c.enterIn);
        EXPECT_EQ(describe(boxes_.take()), c.refused ? CheckValues : std::string());
        EXPECT_EQ(text("Edit30"), QString::fromUtf8(c.edit30));
        EXPECT_EQ(text("Edit32"), QString::fromUtf8(c.edit32));
        EXPECT_EQ(focused(), QString::fromLatin1(c.enterIn));
    }
}

} // namespace
