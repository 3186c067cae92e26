// The duct page through the real window: sizing on both bases, the loss of a
// given duct, and the options that switch its fields.
//
// Unless a case says otherwise: roughness 0.180 mm, density 1.200 kg/m³,
// conventional units, air volume 3600 m³/h. Expected values are the worked
// examples of the duct calculations, or hand calculations with the
// friction formula (Darcy–Weisbach, Moody's friction factor) where marked.
#include "support/FormFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QRadioButton>

#include <vector>

namespace {

const std::string CheckCalculation = warningBox("数値を確認して下さい。");
const QString Calculated = QStringLiteral("計算します");
const QString SizeInput = QStringLiteral("サイズを入力してください");

// Stands for "a result of an earlier calculation" in a result field, so that
// a field left alone can be told from one written.
const QString Earlier = QStringLiteral("-");

const char *const SizingResults[] = {"S_Size1", "S_Size2", "S_SizeD", "S_Fusok", "S_Ason"};
const char *const LossResults[] = {"P_SizeD", "P_Fusok", "P_Ason"};

enum class Shape { Round, Square, FixedSide };
enum class Basis { Loss, Velocity };

class DuctPageTest : public FormTest
{
protected:
    template <typename Button> void check(const char *name, bool on = true)
    {
        find<Button>(name)->setChecked(on);
    }

    void choose(Basis basis, Shape shape, bool si = false)
    {
        check<QRadioButton>(basis == Basis::Loss ? "ssButton1" : "ssButton2");
        // A change of units converts the results shown; the markers of an
        // earlier case are no numbers, so they go first.
        for (const char *name : SizingResults)
            edit(name)->clear();
        for (const char *name : LossResults)
            edit(name)->clear();
        check<QRadioButton>(si ? "TaniButton2" : "TaniButton1");
        check<QRadioButton>(shape == Shape::Round ? "MaruButton" : "KakuButton");
        if (shape != Shape::Round)
            check<QCheckBox>("CheckBox1", shape == Shape::FixedSide);
    }

    void markEarlierResults()
    {
        for (const char *name : SizingResults)
            edit(name)->setText(Earlier);
        for (const char *name : LossResults)
            edit(name)->setText(Earlier);
    }

    // Texts that changed since `before`, by field.
    QMap<QString, QString> changedSince(const QMap<QString, QString> &before) const
    {
        QMap<QString, QString> changed;
        const auto now = allFieldTexts();
        for (auto it = now.cbegin(); it != now.cend(); ++it) {
            if (before.value(it.key()) != it.value())
                changed.insert(it.key(), it.value());
        }
        return changed;
    }

    // Expected texts: nullptr means "left as it was"; a text ending in "…"
    // gives only the beginning of a long one.
    void expectText(const char *name, const char *expected)
    {
        SCOPED_TRACE(name);
        const QString shown = text(name);
        if (!expected) {
            EXPECT_EQ(shown, Earlier);
            return;
        }
        QString want = QString::fromUtf8(expected);
        if (want.endsWith(QStringLiteral("…")))
            EXPECT_TRUE(shown.startsWith(want.chopped(1))) << shown.toStdString();
        else
            EXPECT_EQ(shown, want);
        EXPECT_EQ(edit(name)->cursorPosition(), 0); // long texts show their beginning
    }
};

TEST_F(DuctPageTest, SizingOnBothBases)
{
    const struct
    {
        const char *name;
        Basis basis;
        Shape shape;
        bool si;
        const char *flow;
        const char *target; // M_Ason: loss in the unit shown, or m/s
        const char *size1, *size2, *sizeD, *velocity, *loss;
    } cases[] = {
        {"loss round", Basis::Loss, Shape::Round, false, "3600", "0.100", nullptr, nullptr, "450",
         "6.288", "0.100"},
        // The 15-digit text of the equivalent diameter of 450 × 450.
        {"loss square", Basis::Loss, Shape::Square, false, "3600", "0.100", "450", "450",
         "491.924402923423", "4.938", "0.064"},
        {"loss fixed side 300", Basis::Loss, Shape::FixedSide, false, "3600", "0.100", "300", "600",
         "457.0124…", "5.556", "0.092"},
        // 1.0 Pa/m is 0.102 mmAq/m: the same 450 mm duct, its loss in Pa/m.
        {"loss round SI", Basis::Loss, Shape::Round, true, "3600", "1.0", nullptr, nullptr, "450",
         "6.288", "0.977"},
        {"velocity round", Basis::Velocity, Shape::Round, false, "3600", "5", nullptr, nullptr,
         "525", "4.619", "0.046"},
        {"velocity square", Basis::Velocity, Shape::Square, false, "3600", "5", "450", "450",
         "491.924", "4.938", "0.064"},
        {"velocity fixed side 300", Basis::Velocity, Shape::FixedSide, false, "3600", "5", "300",
         "700", "490.152", "4.762", "0.065"},
        // Exactly 0.25 m² needed: 500 is not rounded up. Loss by hand: the
        // round duct of 546.583 mm at 4500 m³/h, 0.0572 mmAq/m.
        {"velocity square on the step", Basis::Velocity, Shape::Square, false, "4500", "5", "500",
         "500", "546.583", "5.000", "0.057"},
        // The target velocity is not scaled in SI; the loss is. By hand:
        // 0.04590 mmAq/m × 9.80665 = 0.4502 Pa/m.
        {"velocity round SI", Basis::Velocity, Shape::Round, true, "3600", "5", nullptr, nullptr,
         "525", "4.619", "0.450"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        choose(c.basis, c.shape, c.si);
        edit("M_Ason")->setText(QString::fromUtf8(c.target));
        markEarlierResults();
        type("S_Fryo", QString::fromUtf8(c.flow));
        pressEnter("S_Fryo");
        if (c.shape == Shape::FixedSide) {
            ASSERT_EQ(focused(), QStringLiteral("S_Size1"));
            type("S_Size1", QString::fromUtf8(c.size1));
            pressEnter("S_Size1");
        }
        EXPECT_TRUE(boxes_.empty()) << describe(boxes_.take());
        expectText("S_Size1", c.size1);
        expectText("S_Size2", c.size2);
        expectText("S_SizeD", c.sizeD);
        expectText("S_Fusok", c.velocity);
        expectText("S_Ason", c.loss);
        EXPECT_EQ(focused(),
                  QString::fromLatin1(c.shape == Shape::FixedSide ? "S_Size1" : "S_Fryo"));
    }
}

TEST_F(DuctPageTest, EnterInTheUntickedFirstSideSizesAsTheAirVolumeDoes)
{
    for (Basis basis : {Basis::Loss, Basis::Velocity}) {
        SCOPED_TRACE(basis == Basis::Loss ? "loss" : "velocity");
        choose(basis, Shape::Square);
        edit("M_Ason")->setText(basis == Basis::Loss ? QStringLiteral("0.100")
                                                     : QStringLiteral("5"));
        markEarlierResults();
        type("S_Fryo", QStringLiteral("3600"));
        pressEnter("S_Fryo");
        const auto fromAirVolume = allFieldTexts();
        for (const char *name : SizingResults)
            edit(name)->setText(Earlier);
        edit("S_Size1")->setText(
            QStringLiteral("100+50")); // read-only: the text a user cannot type
        find("S_Size1")->setFocus();
        pressEnter("S_Size1");
        EXPECT_TRUE(boxes_.empty()) << describe(boxes_.take());
        EXPECT_EQ(allFieldTexts(), fromAirVolume); // 450 × 450 as before
        EXPECT_EQ(focused(), QStringLiteral("S_Size1"));
    }
}

// A target that cannot be met searches up to the size limit; the warning comes
// first, then the last size tried is written all the same.
TEST_F(DuctPageTest, SizeLimitWarnsThenWritesTheLastSize)
{
    const struct
    {
        const char *name;
        Shape shape;
        const char *fixedSide;
        const char *size1, *size2, *sizeD, *velocity;
        QStringList writes; // result fields in the order written, "box" for the warning
    } cases[] = {
        // 1 m³/s through π·(10.025 m / 2)²: 0.0127 m/s.
        {"round",
         Shape::Round,
         nullptr,
         nullptr,
         nullptr,
         "10025",
         "0.013",
         {"box", "S_SizeD", "S_Ason", "S_Fusok"}},
        // 1 m³/s through 9.15 m × 9.15 m: 0.0119 m/s.
        {"square",
         Shape::Square,
         nullptr,
         "9150",
         "9150",
         "10002.46…",
         "0.012",
         {"S_Size1", "S_Size2", "box", "S_SizeD", "S_Ason", "S_Fusok"}},
        // A side of a micrometre never reaches the limit in a bounded search:
        // it gives up at the last step (a free side of 5·10¹⁸ mm). Its first
        // write is Enter's own, the typed side written back as "1E-6".
        {"tiny fixed side",
         Shape::FixedSide,
         "0.000001",
         "1E-6",
         "5E18",
         "…",
         "…",
         {"S_Size1", "S_Size2", "box", "S_SizeD", "S_Ason", "S_Fusok"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        choose(Basis::Loss, c.shape);
        edit("M_Ason")->setText(QStringLiteral("0"));
        markEarlierResults();
        type("S_Fryo", QStringLiteral("3600"));
        if (c.fixedSide) {
            pressEnter("S_Fryo"); // moves on to the side
            type("S_Size1", QString::fromUtf8(c.fixedSide));
        }

        QStringList writes;
        std::vector<QMetaObject::Connection> watches;
        for (const char *name : SizingResults) {
            watches.push_back(QObject::connect(edit(name), &QLineEdit::textChanged, [&, name] {
                if (!boxes_.empty() && !writes.contains(QStringLiteral("box")))
                    writes << QStringLiteral("box");
                writes << QString::fromLatin1(name);
            }));
        }
        QElapsedTimer clock;
        clock.start();
        pressEnter(c.fixedSide ? "S_Size1" : "S_Fryo");
        EXPECT_LT(clock.elapsed(), 5000); // the window does not freeze
        for (const auto &w : watches)
            QObject::disconnect(w);

        EXPECT_EQ(describe(boxes_.take()), CheckCalculation);
        EXPECT_EQ(writes, c.writes);
        expectText("S_Size1", c.size1);
        expectText("S_Size2", c.size2);
        expectText("S_SizeD", c.sizeD);
        expectText("S_Fusok", c.velocity);
        expectText("S_Ason", "0.000");
    }
}

TEST_F(DuctPageTest, FixedSideMakesTheAirVolumeMoveOnToTheSide)
{
    for (Basis basis : {Basis::Loss, Basis::Velocity}) {
        SCOPED_TRACE(basis == Basis::Loss ? "loss" : "velocity");
        choose(basis, Shape::FixedSide);
        markEarlierResults();
        edit("S_Size1")->setText(QStringLiteral("300"));
        type("S_Fryo", QStringLiteral("3600"));
        const auto before = allFieldTexts();
        pressEnter("S_Fryo");
        EXPECT_EQ(focused(), QStringLiteral("S_Size1"));
        EXPECT_EQ(allFieldTexts(), before);
        EXPECT_TRUE(boxes_.empty()) << describe(boxes_.take());
    }
    // Round ignores the kept tick and sizes at once.
    choose(Basis::Loss, Shape::Round);
    edit("M_Ason")->setText(QStringLiteral("0.100"));
    type("S_Fryo", QStringLiteral("3600"));
    pressEnter("S_Fryo");
    EXPECT_EQ(text("S_SizeD"), QStringLiteral("450"));
    EXPECT_EQ(focused(), QStringLiteral("S_Fryo"));
}

// Every failure shows the warning; fields written before it keep their new
// text and every other field keeps its old one.
TEST_F(DuctPageTest, FailuresKeepOnlyWhatWasWrittenBefore)
{
    using Texts = QMap<QString, QString>;
    const struct
    {
        const char *name;
        Basis basis;
        Shape shape;
        Texts inputs;       // set before Enter
        const char *sender; // the field Enter is pressed in, with its text
        const char *typed;
        Texts changed; // fields that end with a new text, besides the sender
    } cases[] = {
        {"velocity, air volume 0",
         Basis::Velocity,
         Shape::Square,
         {{"M_Ason", "5"}},
         "S_Fryo",
         "0",
         {{"S_Size1", "0"}}},
        {"velocity, target 0",
         Basis::Velocity,
         Shape::Square,
         {{"M_Ason", "0"}},
         "S_Fryo",
         "3600",
         {}},
        {"velocity, fixed side 0",
         Basis::Velocity,
         Shape::FixedSide,
         {{"M_Ason", "5"}, {"S_Fryo", "3600"}},
         "S_Size1",
         "0",
         {}},
        {"velocity, negative air volume",
         Basis::Velocity,
         Shape::Round,
         {{"M_Ason", "5"}},
         "S_Fryo",
         "-3600",
         {}},
        {"loss, air volume 0, square",
         Basis::Loss,
         Shape::Square,
         {{"M_Ason", "0.1"}},
         "S_Fryo",
         "0",
         {}},
        {"loss, air volume 0, round",
         Basis::Loss,
         Shape::Round,
         {{"M_Ason", "0.1"}},
         "S_Fryo",
         "0",
         {}},
        {"loss, fixed side 0",
         Basis::Loss,
         Shape::FixedSide,
         {{"M_Ason", "0.1"}, {"S_Fryo", "3600"}},
         "S_Size1",
         "0",
         {}},
        {"loss, negative fixed side",
         Basis::Loss,
         Shape::FixedSide,
         {{"M_Ason", "0.1"}, {"S_Fryo", "3600"}},
         "S_Size1",
         "-300",
         {}},
        {"loss, empty density",
         Basis::Loss,
         Shape::Square,
         {{"M_Ason", "0.1"}, {"Hijy_Edit", ""}},
         "S_Fryo",
         "3600",
         {}},
        {"loss, target as an expression",
         Basis::Loss,
         Shape::Round,
         {{"M_Ason", "0.05*2"}},
         "S_Fryo",
         "3600",
         {}},
        // From a size: the equivalent diameter comes before the loss.
        {"size, air volume 0",
         Basis::Loss,
         Shape::Square,
         {{"P_Fryo", "0"}, {"P_Size1", "500"}},
         "P_Size2",
         "500",
         {{"P_SizeD", "546.583"}}},
        {"size, first side empty",
         Basis::Loss,
         Shape::Square,
         {{"P_Fryo", "3600"}, {"P_Size1", ""}},
         "P_Size2",
         "500",
         {}},
        {"size, second side 0",
         Basis::Loss,
         Shape::Square,
         {{"P_Fryo", "3600"}, {"P_Size1", "500"}},
         "P_Size2",
         "0",
         {}},
        {"size, diameter 0", Basis::Loss, Shape::Round, {{"P_Fryo", "3600"}}, "P_SizeD", "0", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        choose(c.basis, c.shape);
        edit("Hijy_Edit")->setText(QStringLiteral("1.200"));
        for (auto it = c.inputs.cbegin(); it != c.inputs.cend(); ++it)
            edit(it.key().toLatin1().constData())->setText(it.value());
        markEarlierResults();
        type(c.sender, QString::fromUtf8(c.typed));
        const auto before = allFieldTexts();
        pressEnter(c.sender);
        EXPECT_EQ(describe(boxes_.take()), CheckCalculation);
        EXPECT_EQ(changedSince(before), c.changed);
        EXPECT_EQ(focused(), QString::fromLatin1(c.sender));
    }
}

TEST_F(DuctPageTest, LossFromSize)
{
    const struct
    {
        const char *name;
        bool round;
        bool si;
        const char *density;
        const char *size1, *size2, *sizeD; // sizeD typed for a round duct
        const char *shownD, *velocity, *loss;
    } cases[] = {
        {"round 500", true, false, "1.200", nullptr, nullptr, "500", "500", "5.093", "0.059"},
        {"round 500 SI", true, true, "1.200", nullptr, nullptr, "500", "500", "5.093", "0.575"},
        // The rectangle's own velocity (1 m³/s through 0.25 m²); the loss of
        // the round duct of its equivalent diameter.
        {"rectangle 500 × 500", false, false, "1.200", "500", "500", nullptr, "546.583", "4.000",
         "0.038"},
        {"density 0", true, false, "0", nullptr, nullptr, "500", "500", "5.093", "0.000"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        choose(Basis::Loss, c.round ? Shape::Round : Shape::Square, c.si);
        edit("Hijy_Edit")->setText(QString::fromUtf8(c.density));
        markEarlierResults();
        type("P_Fryo", QStringLiteral("3600"));
        pressEnter("P_Fryo");
        EXPECT_EQ(focused(), QString::fromLatin1(c.round ? "P_SizeD" : "P_Size1"));
        if (c.round) {
            type("P_SizeD", QString::fromUtf8(c.sizeD));
            pressEnter("P_SizeD");
        } else {
            type("P_Size1", QString::fromUtf8(c.size1));
            pressEnter("P_Size1");
            type("P_Size2", QString::fromUtf8(c.size2));
            pressEnter("P_Size2");
        }
        EXPECT_TRUE(boxes_.empty()) << describe(boxes_.take());
        if (c.round) // the typed diameter, as Enter wrote it back
            EXPECT_EQ(text("P_SizeD"), QString::fromUtf8(c.shownD));
        else
            expectText("P_SizeD", c.shownD);
        expectText("P_Fusok", c.velocity);
        expectText("P_Ason", c.loss);
    }
}

// Enter in the read-only diameter after a rectangle computes a round duct of
// the equivalent diameter shown: the same loss, the round duct's velocity.
TEST_F(DuctPageTest, EnterInTheEquivalentDiameterComputesItAsRound)
{
    type("P_Fryo", QStringLiteral("3600"));
    type("P_Size1", QStringLiteral("500"));
    type("P_Size2", QStringLiteral("500"));
    pressEnter("P_Size2");
    ASSERT_EQ(text("P_SizeD"), QStringLiteral("546.583"));
    ASSERT_TRUE(edit("P_SizeD")->isReadOnly());
    find("P_SizeD")->setFocus();
    pressEnter("P_SizeD");
    EXPECT_TRUE(boxes_.empty()) << describe(boxes_.take());
    EXPECT_EQ(text("P_SizeD"), QStringLiteral("546.583"));
    EXPECT_EQ(text("P_Ason"), QStringLiteral("0.038"));
    EXPECT_EQ(text("P_Fusok"), QStringLiteral("4.262")); // 1 m³/s through π·0.2733²
}

TEST_F(DuctPageTest, MaterialWritesItsRoughnessForTheNextCalculation)
{
    auto *materials = find<QComboBox>("D_Syrui");
    EXPECT_EQ(text("Ztai_Edit"), QStringLiteral("0.180")); // whatever the list shows at start
    type("Ztai_Edit", QStringLiteral("0.5"));
    materials->setCurrentIndex(3); // not a user's pick: nothing written
    EXPECT_EQ(text("Ztai_Edit"), QStringLiteral("0.5"));

    // A loss large enough to show the fourth decimal of the roughness.
    auto lossWith = [this](const QString &roughness) {
        if (!roughness.isEmpty())
            edit("Ztai_Edit")->setText(roughness);
        check<QRadioButton>("MaruButton");
        edit("P_Fryo")->setText(QStringLiteral("36000"));
        type("P_SizeD", QStringLiteral("100"));
        pressEnter("P_SizeD");
        return text("P_Ason");
    };
    const QString rounded = lossWith(QStringLiteral("0.122"));
    ASSERT_NE(rounded, lossWith(QStringLiteral("0.1223")));

    edit("Ztai_Edit")->setText(QStringLiteral("0.5"));
    materials->setFocus();
    QTest::keyClick(materials, Qt::Key_Down); // the user picks item 4
    ASSERT_EQ(materials->currentIndex(), 4);
    EXPECT_EQ(text("Ztai_Edit"), QStringLiteral("0.122")); // 0.1223 mm to three decimals
    EXPECT_EQ(lossWith(QString()), rounded);
    EXPECT_TRUE(boxes_.empty()) << describe(boxes_.take());
}

// The size fields in each state of shape and fixed side. Results keep their
// texts through every change.
TEST_F(DuctPageTest, ShapeAndFixedSideSwitchTheSizeFields)
{
    const struct
    {
        const char *step;
        const char *click; // nullptr: the state at start
        bool rectangle;
        bool ticked;
        const char *focus; // nullptr: not checked
    } steps[] = {
        {"start", nullptr, true, false, nullptr},
        {"round", "MaruButton", false, false, "MaruButton"},
        {"rectangle again", "KakuButton", true, false, "KakuButton"},
        {"fixed side on", "CheckBox1", true, true, "S_Size1"},
        {"round keeps the tick", "MaruButton", false, true, "MaruButton"},
        {"rectangle with the tick", "KakuButton", true, true, "KakuButton"},
        {"fixed side off", "CheckBox1", true, false, "S_Fryo"},
    };
    const QPalette standard = QApplication::palette(edit("S_Size1"));
    const QColor window = standard.color(QPalette::Active, QPalette::Base);
    const QColor buttonFace = standard.color(QPalette::Active, QPalette::Button);
    ASSERT_NE(window, buttonFace);
    markEarlierResults();
    const auto texts = allFieldTexts();

    for (const auto &s : steps) {
        SCOPED_TRACE(s.step);
        if (s.click) {
            auto *button = find<QAbstractButton>(s.click);
            button->setFocus();
            button->click();
        }
        const bool sizeTyped = s.ticked; // S_Size1 takes the fixed side
        EXPECT_EQ(find("CheckBox1")->isEnabled(), s.rectangle);
        EXPECT_EQ(find<QCheckBox>("CheckBox1")->isChecked(), s.ticked);
        for (const char *name : {"S_Size1", "S_Size2", "P_Size1", "P_Size2"}) {
            SCOPED_TRACE(name);
            QLineEdit *side = edit(name);
            EXPECT_EQ(side->isEnabled(), s.rectangle);
            EXPECT_EQ(side->palette().color(QPalette::Base), s.rectangle ? window : buttonFace);
        }
        for (const char *name : {"S_Size2", "P_Size1", "P_Size2"}) {
            SCOPED_TRACE(name);
            EXPECT_EQ(edit(name)->isReadOnly(), name[0] == 'S');
        }
        QLineEdit *first = edit("S_Size1");
        EXPECT_EQ(first->isReadOnly(), !sizeTyped);
        EXPECT_EQ(first->cursor().shape(), sizeTyped ? Qt::IBeamCursor : Qt::ForbiddenCursor);
        EXPECT_EQ(first->toolTip(), sizeTyped ? SizeInput : Calculated);
        QLineEdit *diameter = edit("P_SizeD");
        EXPECT_EQ(diameter->isReadOnly(), s.rectangle);
        EXPECT_EQ(diameter->cursor().shape(), s.rectangle ? Qt::ForbiddenCursor : Qt::IBeamCursor);
        EXPECT_EQ(diameter->toolTip(), s.rectangle ? Calculated : SizeInput);
        if (s.focus) {
            EXPECT_EQ(focused(), QString::fromLatin1(s.focus));
        }
        EXPECT_EQ(allFieldTexts(), texts);
    }
    // A ticked side field takes typing.
    check<QCheckBox>("CheckBox1");
    type("S_Size1", QStringLiteral("300"));
    EXPECT_EQ(text("S_Size1"), QStringLiteral("300"));
}

// The basis switches the caption, unit and hint of the targets on the duct
// and the pipe page, never their numbers, and moves the focus to the target
// of the page in front.
TEST_F(DuctPageTest, BasisSwitchesTheTargetsOfBothPages)
{
    const struct
    {
        const char *step;
        int page;
        bool velocity;
        bool si;
        const char *label3, *label9, *hint, *label37, *hint37;
        const char *focus; // nullptr: the focus stays where it was
    } steps[] = {
        {"duct, velocity", TDuctForm::DuctPageIndex, true, false, "目標風速", "m/s",
         "目標風速を入力してください", "目標流速", "目標流速を入力してください", "M_Ason"},
        {"duct, loss", TDuctForm::DuctPageIndex, false, false, "目標圧損", "mmAq/m",
         "目標圧力損失を入力してください", "目標圧損", "目標圧力損失を入力してください", "M_Ason"},
        {"pipe, velocity", TDuctForm::PipePageIndex, true, false, "目標風速", "m/s",
         "目標風速を入力してください", "目標流速", "目標流速を入力してください", "M_AsonP"},
        {"pipe, loss in SI", TDuctForm::PipePageIndex, false, true, "目標圧損", "Pa/m",
         "目標圧力損失を入力してください", "目標圧損", "目標圧力損失を入力してください", "M_AsonP"},
        {"duct, velocity in SI", TDuctForm::DuctPageIndex, true, true, "目標風速", "m/s",
         "目標風速を入力してください", "目標流速", "目標流速を入力してください", "M_Ason"},
        {"outlets, loss in SI", TDuctForm::OutletPageIndex, false, true, "目標圧損", "Pa/m",
         "目標圧力損失を入力してください", "目標圧損", "目標圧力損失を入力してください", nullptr},
    };
    edit("M_AsonP")->setText(QStringLiteral("0.2"));
    for (const auto &s : steps) {
        SCOPED_TRACE(s.step);
        showPage(s.page);
        // The unit switch before the basis; the targets hold what the user typed.
        check<QRadioButton>(s.si ? "TaniButton2" : "TaniButton1");
        edit("M_Ason")->setText(QStringLiteral("0.100"));
        edit("M_AsonP")->setText(QStringLiteral("0.2"));
        QWidget *elsewhere =
            s.page == TDuctForm::OutletPageIndex ? find("Edit19") : find("ssButton1");
        elsewhere->setFocus();
        const QString focusBefore = focused();
        check<QRadioButton>(s.velocity ? "ssButton2" : "ssButton1");

        EXPECT_EQ(find<QLabel>("Label3")->text(), QString::fromUtf8(s.label3));
        EXPECT_EQ(find<QLabel>("Label9")->text(), QString::fromUtf8(s.label9));
        EXPECT_EQ(edit("M_Ason")->toolTip(), QString::fromUtf8(s.hint));
        EXPECT_EQ(find<QLabel>("Label37")->text(), QString::fromUtf8(s.label37));
        EXPECT_EQ(find<QLabel>("Label38")->text(), QString::fromUtf8(s.label9));
        EXPECT_EQ(edit("M_AsonP")->toolTip(), QString::fromUtf8(s.hint37));
        EXPECT_EQ(text("M_Ason"), QStringLiteral("0.100"));
        EXPECT_EQ(text("M_AsonP"), QStringLiteral("0.2"));
        EXPECT_EQ(focused(), s.focus ? QString::fromLatin1(s.focus) : focusBefore);
    }
    EXPECT_TRUE(boxes_.empty()) << describe(boxes_.take());
}

} // namespace
