// The pipe page through the real window: the material and temperature lists,
// the sizing on both bases, the loss of a chosen size and their failures.
// Flows are water in L/min. Unless a case says otherwise: rusty steel pipe
// (0.300 mm), water at 20 ℃ (998.200 kg/m³), conventional units.
#include "support/FormFixture.h"

#include "flow/FlowModel.h"
#include "pipe/PipePage.h"
#include "pipe/PipeTables.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include <charconv>
#include <cmath>
#include <vector>

namespace {

const std::string CheckCalculation = warningBox("数値を確認して下さい。");

class PipePageTest : public FormTest
{
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        showPage(TDuctForm::PipePageIndex);
    }

    // Picks an item as the user does: from its neighbour with an arrow key,
    // which runs the list's handler (setting the index in code does not).
    void pick(const char *list, const char *item)
    {
        auto *box = find<QComboBox>(list);
        const int index = box->findText(QString::fromUtf8(item));
        ASSERT_GE(index, 0) << item;
        box->setCurrentIndex(index == 0 ? 1 : index - 1);
        box->setFocus();
        QTest::keyClick(box, index == 0 ? Qt::Key_Up : Qt::Key_Down);
        ASSERT_EQ(box->currentIndex(), index) << item;
    }

    void check(const char *button) { find<QRadioButton>(button)->setChecked(true); }
    void setUnits(bool si) { check(si ? "TaniButton2" : "TaniButton1"); }
    void setBasis(bool velocity) { check(velocity ? "ssButton2" : "ssButton1"); }

    void typeAll(const std::vector<std::pair<const char *, const char *>> &fields)
    {
        for (const auto &[name, text] : fields)
            type(name, QString::fromUtf8(text));
    }

    // Enter in the size list, with the focus in it as the user has it.
    void enterInSizeList()
    {
        find("P_Size")->setFocus();
        pressEnter("P_Size");
    }
};

// A long double as a text that reads back as exactly the same value.
QString exactText(long double v)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
    return QString::fromLatin1(buffer, end - buffer);
}

TEST_F(PipePageTest, StartShowsRustySteelPipeAt20Degrees)
{
    // The settings' defaults with no settings file; FormShow writes the
    // table values of both choices.
    EXPECT_EQ(find<QComboBox>("Syrui")->currentText(), QStringLiteral("錆びた鋼管"));
    EXPECT_EQ(find<QComboBox>("Ond")->currentText(), QStringLiteral("20"));
    EXPECT_EQ(find<QComboBox>("P_Size")->currentText(), QStringLiteral("20"));
    EXPECT_EQ(text("Z_Edit"), QStringLiteral("0.300"));
    EXPECT_EQ(text("H_Edit"), QStringLiteral("998.200"));
}

TEST_F(PipePageTest, PickingAListRewritesRoughnessAndDensity)
{
    // Table roughness and water density with three decimals; a pick in
    // either list replaces typed values in both fields.
    const struct
    {
        const char *list;
        const char *item;
        const char *roughness;
        const char *density;
    } cases[] = {
        {"Syrui", "引抜き鋼管、塩ビ管", "0.002", "998.200"}, // 0.0015 mm shown rounded
        {"Syrui", "粗いｺﾝｸﾘｰﾄ管", "2.000", "998.200"},
        {"Syrui", "錆びた鋼管", "0.300", "998.200"},
        {"Ond", "200", "0.300", "865.000"},
        {"Ond", "0", "0.300", "999.840"},
        {"Ond", "20", "0.300", "998.200"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.list) + " " + c.item);
        find<QComboBox>("Syrui")->setCurrentIndex(2);
        find<QComboBox>("Ond")->setCurrentIndex(2);
        typeAll({{"Z_Edit", "9.9"}, {"H_Edit", "1000"}});
        pick(c.list, c.item);
        EXPECT_EQ(text("Z_Edit"), QString::fromUtf8(c.roughness));
        EXPECT_EQ(text("H_Edit"), QString::fromUtf8(c.density));
        EXPECT_TRUE(boxes_.empty()) << describe(boxes_.take());
    }
}

TEST_F(PipePageTest, AListWithoutAChoiceIsARangeFailure)
{
    // The lookup of a missing choice fails before its field is written; the
    // roughness comes first, so it is written when only the temperature is
    // missing.
    const struct
    {
        const char *name;
        int material;
        int temperature;
        const char *pickIn;
        const char *item;
        const char *roughness;
        const char *density;
    } cases[] = {
        {"no material", -1, 2, "Ond", "30", "9.9", "1000"},
        {"no temperature", 2, -1, "Syrui", "粗いｺﾝｸﾘｰﾄ管", "2.000", "1000"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        typeAll({{"Z_Edit", "9.9"}, {"H_Edit", "1000"}});
        find<QComboBox>("Syrui")->setCurrentIndex(c.material);
        find<QComboBox>("Ond")->setCurrentIndex(c.temperature);
        pick(c.pickIn, c.item);
        EXPECT_EQ(describe(boxes_.take()), failureBox(QStringLiteral("範囲ﾁｪｯｸｴﾗｰ.")));
        EXPECT_EQ(text("Z_Edit"), QString::fromUtf8(c.roughness));
        EXPECT_EQ(text("H_Edit"), QString::fromUtf8(c.density));
    }
}

TEST_F(PipePageTest, SizingOnBothBases)
{
    // The pipe page's worked examples (100 L/min), checked with a 30-digit
    // evaluation of the flow model.
    const struct
    {
        const char *name;
        bool velocity;
        bool si;
        const char *material; // nullptr: rusty steel
        const char *target;
        const char *flow;
        const char *size;
        const char *speed;
        const char *loss;
    } cases[] = {
        // Size 40 loses 65.525 mmAq/m and is passed over.
        {"loss 30 mmAq/m", false, false, nullptr, "30", "100", "50", "0.758", "18.793"},
        {"loss 294.2 Pa/m", false, true, nullptr, "294.2", "100", "50", "0.758", "184.294"},
        // The roughness read is the field's 0.002, not the table's 0.0015
        // (which would give 12.006).
        {"drawn pipe", false, false, "引抜き鋼管、塩ビ管", "30", "100", "50", "0.758", "12.029"},
        // Needed diameter 37.61 mm; the flow typed as an expression.
        {"velocity 1.5 m/s", true, false, nullptr, "1.5", "50*2", "40", "1.226", "65.525"},
        {"velocity 2.0 m/s", true, false, nullptr, "2.0", "100", "32", "1.665", "145.671"},
        // The velocity target is no loss: not scaled in SI units.
        {"velocity 1.5 m/s in SI", true, true, nullptr, "1.5", "100", "40", "1.226", "642.577"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        pick("Syrui", c.material ? c.material : "錆びた鋼管");
        setUnits(c.si);
        setBasis(c.velocity);
        typeAll({{"M_AsonP", c.target}, {"S_Ryo", c.flow}});
        pressEnter("S_Ryo");
        EXPECT_TRUE(boxes_.empty()) << describe(boxes_.take());
        EXPECT_EQ(text("S_Ryo"), QStringLiteral("100"));
        EXPECT_EQ(text("S_Size"), QString::fromUtf8(c.size));
        EXPECT_EQ(text("S_Speed"), QString::fromUtf8(c.speed));
        EXPECT_EQ(text("S_AsonP"), QString::fromUtf8(c.loss));
        EXPECT_EQ(focused(), QStringLiteral("S_Ryo"));
    }
}

TEST_F(PipePageTest, TargetEqualToASizesLossTakesTheNextSize)
{
    // The loss of size 50 at 100 L/min as the flow model computes it, typed
    // to the last bit: only a target above it accepts size 50.
    const long double loss50 =
        flow::FrictionLoss(100, pipes::PipeInnerDiameter(6), 998.2L, 0.3L, numeric::Medium::Water);
    const struct
    {
        const char *name;
        long double target;
        const char *size;
    } cases[] = {
        {"equal", loss50, "65"},
        {"one step above", std::nextafter(loss50, 100.0L), "50"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        type("M_AsonP", exactText(c.target));
        type("S_Ryo", QStringLiteral("100"));
        pressEnter("S_Ryo");
        EXPECT_TRUE(boxes_.empty()) << describe(boxes_.take());
        EXPECT_EQ(text("S_Size"), QString::fromLatin1(c.size));
    }
}

TEST_F(PipePageTest, LossOfAChosenSize)
{
    // Nominal size 40 (41.6 mm) at 100 L/min: 1.22623 m/s, 65.5246 mmAq/m
    // (642.577 Pa/m), from a 30-digit evaluation of the flow model.
    const struct
    {
        bool si;
        const char *loss;
    } cases[] = {{false, "65.525"}, {true, "642.577"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.si ? "SI" : "conventional");
        setUnits(c.si);
        type("P_Ryo", QStringLiteral("100"));
        for (const char *field : {"P_Speed", "P_AsonP"})
            edit(field)->clear();
        pick("P_Size", "40");
        EXPECT_EQ(text("P_Speed"), QString()); // a pick alone computes nothing
        enterInSizeList();
        EXPECT_TRUE(boxes_.empty()) << describe(boxes_.take());
        EXPECT_EQ(text("P_Speed"), QStringLiteral("1.226"));
        EXPECT_EQ(text("P_AsonP"), QString::fromUtf8(c.loss));
        EXPECT_EQ(focused(), QStringLiteral("P_Size"));
    }
}

TEST_F(PipePageTest, FailuresChangeNoField)
{
    const struct
    {
        const char *name;
        bool velocity;
        std::vector<std::pair<const char *, const char *>> typed;
        const char *enterIn;
        bool noSize = false;
    } cases[] = {
        {"loss target 0", false, {{"M_AsonP", "0"}}, "S_Ryo"},
        // The largest size, 500, loses 0.000317 mmAq/m at 100 L/min.
        {"loss target below size 500", false, {{"M_AsonP", "0.0003"}}, "S_Ryo"},
        {"velocity target 0", true, {{"M_AsonP", "0"}}, "S_Ryo"},
        // 0.001 m/s needs a diameter of 1457 mm.
        {"velocity beyond size 500", true, {{"M_AsonP", "0.001"}}, "S_Ryo"},
        {"sizing flow 0, loss basis", false, {{"S_Ryo", "0"}}, "S_Ryo"},
        {"sizing flow 0, velocity basis", true, {{"M_AsonP", "1.5"}, {"S_Ryo", "0"}}, "S_Ryo"},
        {"loss flow 0", false, {{"P_Ryo", "0"}}, "P_Size"},
        {"flow does not evaluate", false, {{"S_Ryo", "100+"}}, "S_Ryo"},
        {"empty flow", false, {{"S_Ryo", ""}}, "S_Ryo"},
        {"empty target", false, {{"M_AsonP", ""}}, "S_Ryo"},
        {"empty roughness", false, {{"Z_Edit", ""}}, "S_Ryo"},
        {"empty density", true, {{"H_Edit", ""}}, "S_Ryo"},
        {"empty loss flow", false, {{"P_Ryo", ""}}, "P_Size"},
        {"empty density for the loss", false, {{"H_Edit", ""}}, "P_Size"},
        // Expressions typed without Enter: the routines read plain numbers.
        {"unconfirmed target", false, {{"M_AsonP", "15*2"}}, "S_Ryo"},
        {"unconfirmed roughness", true, {{"Z_Edit", "0.1*3"}}, "S_Ryo"},
        {"unconfirmed loss flow", false, {{"P_Ryo", "50*2"}}, "P_Size"},
        {"no size chosen", false, {}, "P_Size", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        // Results of a good calculation in both sections first.
        pick("Ond", "20");
        setBasis(false);
        typeAll({{"M_AsonP", "30"}, {"S_Ryo", "100"}, {"P_Ryo", "100"}});
        pressEnter("S_Ryo");
        pick("P_Size", "40");
        enterInSizeList();
        ASSERT_TRUE(boxes_.empty()) << describe(boxes_.take());
        ASSERT_EQ(text("S_Size"), QStringLiteral("50"));

        setBasis(c.velocity);
        typeAll(c.typed);
        if (c.noSize)
            find<QComboBox>("P_Size")->setCurrentIndex(-1);
        const auto before = allFieldTexts();
        find(c.enterIn)->setFocus();
        pressEnter(c.enterIn);
        EXPECT_EQ(describe(boxes_.take()), CheckCalculation);
        EXPECT_EQ(allFieldTexts(), before);
        EXPECT_EQ(focused(), QString::fromLatin1(c.enterIn));
    }
}

TEST_F(PipePageTest, BasisSwitchRelabelsTheTarget)
{
    // Each row flips the basis; the target's number is never touched.
    const struct
    {
        const char *name;
        bool si;
        bool velocity;
        const char *caption;
        const char *unit;
        const char *hint;
    } cases[] = {
        {"velocity", false, true, "目標流速", "m/s", "目標流速を入力してください"},
        {"loss in SI", true, false, "目標圧損", "Pa/m", "目標圧力損失を入力してください"},
        {"velocity in SI", true, true, "目標流速", "m/s", "目標流速を入力してください"},
        {"loss", false, false, "目標圧損", "mmAq/m", "目標圧力損失を入力してください"},
    };
    type("M_AsonP", QStringLiteral("1.5"));
    pressEnter("M_AsonP");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        setUnits(c.si);
        find("S_Ryo")->setFocus();
        setBasis(c.velocity);
        EXPECT_EQ(find<QLabel>("Label37")->text(), QString::fromUtf8(c.caption));
        EXPECT_EQ(find<QLabel>("Label38")->text(), QString::fromUtf8(c.unit));
        EXPECT_EQ(edit("M_AsonP")->toolTip(), QString::fromUtf8(c.hint));
        EXPECT_EQ(focused(), QStringLiteral("M_AsonP"));
        EXPECT_EQ(text("M_AsonP"), QStringLiteral("1.5"));
    }
}

TEST_F(PipePageTest, FlowsAreWaterWhateverPageCameBefore)
{
    // The same 100 in nominal size 40 (41.6 mm): water in L/min gives
    // 1.226 m/s and 65.525 mmAq/m (read as air in m³/h it would be 20.437 m/s
    // and 18139.652 mmAq/m). 30-digit evaluation of the flow model. The
    // window's medium follows the last calculation page; the pipe page's own
    // calculation always reads water.
    const struct
    {
        const char *name;
        std::vector<int> visits;
        const char *speed;
        const char *loss;
    } cases[] = {
        {"pipe page", {}, "1.226", "65.525"},
        {"then moist air", {TDuctForm::AirPageIndex}, "1.226", "65.525"},
        {"then conversion", {TDuctForm::UnitsPageIndex}, "1.226", "65.525"},
        {"then duct", {TDuctForm::AirPageIndex, TDuctForm::DuctPageIndex}, "1.226", "65.525"},
        {"then outlets", {TDuctForm::OutletPageIndex}, "1.226", "65.525"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        showPage(TDuctForm::PipePageIndex);
        type("P_Ryo", QStringLiteral("100"));
        find<QComboBox>("P_Size")->setCurrentIndex(5); // "40"
        for (int page : c.visits)
            showPage(page);
        showPage(TDuctForm::PipePageIndex);
        pressEnter("P_Size");
        EXPECT_EQ(text("P_Speed"), QString::fromUtf8(c.speed));
        EXPECT_EQ(text("P_AsonP"), QString::fromUtf8(c.loss));
    }
}

} // namespace
