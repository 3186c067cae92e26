// Switching between conventional and SI units relabels and converts the
// whole window, from the texts shown.
#include "support/FormFixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace {

class UnitSwitchTest : public FormTest
{
protected:
    QString label(const char *name) const { return find<QLabel>(name)->text(); }
    QString pressureItem(int i) const
    {
        return find<QRadioButton>(QStringLiteral("PrGroupItem%1").arg(i).toLatin1().constData())
            ->text();
    }
    void toSI() { find<QRadioButton>("TaniButton2")->setChecked(true); }
    void toConventional() { find<QRadioButton>("TaniButton1")->setChecked(true); }
};

TEST_F(UnitSwitchTest, LabelsFollowTheUnitSystem)
{
    toSI();
    for (const char *name : {"Label9", "Label11", "Label29", "Label38", "Label42", "Label49"})
        EXPECT_EQ(label(name), QStringLiteral("Pa/m")) << name;
    EXPECT_EQ(label("Label104"), QStringLiteral("kJ/kg"));
    EXPECT_EQ(label("Label107"), QStringLiteral("kPa"));
    EXPECT_EQ(pressureItem(0), QStringLiteral("標準大気圧 /kPa"));
    EXPECT_EQ(pressureItem(1), QStringLiteral("特定大気圧 /kPa"));
    EXPECT_EQ(pressureItem(2), QStringLiteral("特定海抜 /m"));
    EXPECT_EQ(label("TaniLabel"), QStringLiteral("℃")); // the wet bulb is chosen

    toConventional();
    for (const char *name : {"Label9", "Label11", "Label29", "Label38", "Label42", "Label49"})
        EXPECT_EQ(label(name), QStringLiteral("mmAq/m")) << name;
    EXPECT_EQ(label("Label104"), QStringLiteral("kcal/kg"));
    EXPECT_EQ(label("Label107"), QStringLiteral("mmHg"));
    EXPECT_EQ(pressureItem(1), QStringLiteral("特定大気圧 /mmHg")); // one blank from now on
}

TEST_F(UnitSwitchTest, ValuesConvertFromTheirDisplayedText)
{
    const struct
    {
        const char *field;
        const char *shown;
        const char *si;
        const char *back;
    } cases[] = {
        {"M_Ason", "0.1", "0.981", "0.100"}, // drift comes from the rounded text
        {"S_Ason", "0.064", "0.628", "0.064"},         {"P_Ason", "0.038", "0.373", "0.038"},
        {"M_AsonP", "30", "294.200", "30.000"},        {"S_AsonP", "18.793", "184.296", "18.793"},
        {"P_AsonP", "-65.525", "-642.581", "-65.525"}, {"PrEdit", "760", "101.325", "760.000"},
        {"cEdit6", "674.114", "89.874", "674.110"},    {"cEdit4", "13.661", "57.185", "13.661"},
        {"S_Fusok", "5.093", "5.093", "5.093"}, // no second unit: never touched
        {"cEdit5", "0.874", "0.874", "0.874"},
    };
    for (const auto &c : cases)
        edit(c.field)->setText(QString::fromUtf8(c.shown));
    edit("S_Size1")->setText(QString()); // empty fields are skipped
    toSI();
    for (const auto &c : cases)
        EXPECT_EQ(text(c.field), QString::fromUtf8(c.si)) << c.field;
    toConventional();
    for (const auto &c : cases)
        EXPECT_EQ(text(c.field), QString::fromUtf8(c.back)) << c.field;
    EXPECT_TRUE(boxes_.empty()) << describe(boxes_.take());
}

TEST_F(UnitSwitchTest, TargetsAreVelocitiesOnTheVelocityBasis)
{
    find<QRadioButton>("ssButton2")->setChecked(true);
    edit("M_Ason")->setText(QStringLiteral("5"));
    edit("M_AsonP")->setText(QStringLiteral("1.5"));
    edit("S_Ason")->setText(QStringLiteral("0.064"));
    toSI();
    EXPECT_EQ(text("M_Ason"), QStringLiteral("5"));
    EXPECT_EQ(text("M_AsonP"), QStringLiteral("1.5"));
    EXPECT_EQ(label("Label9"), QStringLiteral("m/s"));
    EXPECT_EQ(label("Label38"), QStringLiteral("m/s"));
    EXPECT_EQ(label("Label11"), QStringLiteral("Pa/m"));
    EXPECT_EQ(label("Label29"), QStringLiteral("Pa/m"));
    EXPECT_EQ(text("S_Ason"), QStringLiteral("0.628"));
}

TEST_F(UnitSwitchTest, EnthalpyInputOnlyWhenEnthalpyIsChosen)
{
    auto *select = find<QComboBox>("SelectBox");
    select->setCurrentIndex(1); // 相対湿度
    toSI();
    EXPECT_EQ(text("entEdit"), QStringLiteral("20"));
    EXPECT_EQ(label("TaniLabel"), QStringLiteral("℃"));
    toConventional();

    select->setCurrentIndex(4); // エンタルピ
    toSI();
    EXPECT_EQ(text("entEdit"), QStringLiteral("83.720"));
    EXPECT_EQ(label("TaniLabel"), QStringLiteral("kJ/kg"));
}

TEST_F(UnitSwitchTest, ClickingTheCheckedButtonChangesNothing)
{
    toSI();
    const auto before = allFieldTexts();
    QTest::mouseClick(find("TaniButton2"), Qt::LeftButton);
    QTest::keyClick(find("TaniButton2"), Qt::Key_Space);
    EXPECT_TRUE(find<QRadioButton>("TaniButton2")->isChecked());
    EXPECT_EQ(allFieldTexts(), before);
}

TEST_F(UnitSwitchTest, FieldThatIsNoNumberStopsTheSwitchThere)
{
    edit("S_Ason")->setText(QStringLiteral("0.064"));
    edit("M_AsonP")->setText(QStringLiteral("0.1*2")); // typed, not confirmed
    edit("S_AsonP")->setText(QStringLiteral("18.793"));
    toSI();
    EXPECT_EQ(describe(boxes_.take()),
              failureBox(QStringLiteral("'0.1*2' は浮動小数点数ではありません.")));
    EXPECT_EQ(text("M_Ason"), QStringLiteral("0.981"));
    EXPECT_EQ(text("S_Ason"), QStringLiteral("0.628"));
    EXPECT_EQ(text("M_AsonP"), QStringLiteral("0.1*2"));
    EXPECT_EQ(text("S_AsonP"), QStringLiteral("18.793"));
    EXPECT_EQ(text("PrEdit"), QStringLiteral("760"));
    EXPECT_EQ(label("Label42"), QStringLiteral("Pa/m"));
    EXPECT_EQ(label("Label107"), QStringLiteral("kPa"));
    EXPECT_TRUE(find<QRadioButton>("TaniButton2")->isChecked());
}

TEST_F(UnitSwitchTest, OverflowStopsTheSwitchInsteadOfShowingInfinity)
{
    edit("S_Ason")->setText(QStringLiteral("1.1E4932")); // just below the extended range
    toSI();
    EXPECT_EQ(describe(boxes_.take()), failureBox(QStringLiteral("浮動小数点数のｵｰﾊﾞｰﾌﾛｰ.")));
    EXPECT_EQ(text("M_Ason"), QStringLiteral("0.981"));
    EXPECT_EQ(text("S_Ason"), QStringLiteral("1.1E4932"));
    EXPECT_EQ(text("PrEdit"), QStringLiteral("760"));
}

} // namespace
