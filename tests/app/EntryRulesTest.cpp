// What Enter does in each kind of field.
#include "support/FormFixture.h"

#include "eval/Evaluator.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QRadioButton>

namespace {

TEST_F(FormTest, EnterEvaluatesWritesBackAndMovesOn)
{
    const struct
    {
        const char *field;
        const char *typed;
        const char *shown;
        const char *next;
    } cases[] = {
        {"M_Ason", nullptr, "0.1", "S_Fryo"}, // the design text "0.100"
        {"P_Fryo", "1200*2", "2400", "P_Size1"},
        {"Ztai_Edit", "1/3", "0.333333333333333", "Hijy_Edit"},
        {"Hijy_Edit", "0.000001", "1E-6", "TaniButton1"},
        {"P_Size1", "123456789012345678", "1.23456789012346E17", "P_Size2"},
        {"Edit19", "-7/2", "-3.5", "Edit20"},
        {"Edit17", "2*1.50", "3", "Edit18"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.field);
        showPage(c.field[0] == 'E' ? TDuctForm::OutletPageIndex : TDuctForm::DuctPageIndex);
        if (c.typed)
            type(c.field, QString::fromUtf8(c.typed));
        else
            find(c.field)->setFocus();
        pressEnter(c.field);
        EXPECT_EQ(text(c.field), QString::fromUtf8(c.shown));
        EXPECT_EQ(focused(), QString::fromLatin1(c.next));
        EXPECT_TRUE(boxes_.empty()) << describe(boxes_.take());
    }
}

TEST_F(FormTest, VariablesAreSharedByEveryPage)
{
    type("P_Fryo", QStringLiteral("風量=1200"));
    pressEnter("P_Fryo");
    showPage(TDuctForm::PipePageIndex);
    type("P_Ryo", QStringLiteral("風量/2"));
    pressEnter("P_Ryo");
    EXPECT_EQ(text("P_Ryo"), QStringLiteral("600"));
    EXPECT_EQ(eval::Evaluate("風量"), 1200.0L);
}

TEST_F(FormTest, EnterOnListsAndButtonsMovesOn)
{
    const struct
    {
        int page;
        const char *control;
        const char *next;
    } cases[] = {
        {TDuctForm::DuctPageIndex, "D_Syrui", "KakuButton"},
        {TDuctForm::DuctPageIndex, "KakuButton", "ssButton1"},
        {TDuctForm::DuctPageIndex, "TaniButton1", "D_Syrui"},
        {TDuctForm::DuctPageIndex, "CheckBox1", "M_Ason"},
        {TDuctForm::OutletPageIndex, "ComboBox1", "RadioButton1"},
        {TDuctForm::OutletPageIndex, "CheckBox2", "Edit19"},
        {TDuctForm::PipePageIndex, "Ond", "ssButton1"},
        {TDuctForm::AirPageIndex, "SelectBox", "PrGroupItem0"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.control);
        showPage(c.page);
        find(c.control)->setFocus();
        pressEnter(c.control);
        EXPECT_EQ(focused(), QString::fromLatin1(c.next));
    }
    // Enter in the pressure field jumps to the second property, number or not.
    showPage(TDuctForm::AirPageIndex);
    find<QRadioButton>("PrGroupItem1")->setChecked(true);
    type("PrEdit", QStringLiteral("abc"));
    pressEnter("PrEdit");
    EXPECT_EQ(focused(), QStringLiteral("entEdit"));
    EXPECT_EQ(text("PrEdit"), QStringLiteral("abc"));
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(FormTest, KeypadEnterCountsAsEnter)
{
    type("P_Fryo", QStringLiteral("2+2"));
    QTest::keyClick(edit("P_Fryo"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(text("P_Fryo"), QStringLiteral("4"));
    EXPECT_EQ(focused(), QStringLiteral("P_Size1"));
}

TEST_F(FormTest, OpeningRatioIsStoredAsTypedBeforeEvaluation)
{
    showPage(TDuctForm::OutletPageIndex);
    auto *types = find<QComboBox>("ComboBox1");
    types->setCurrentIndex(1); // "HS"
    type("Edit20", QStringLiteral("80"));
    pressEnter("Edit20");
    EXPECT_EQ(focused(), QStringLiteral("Edit26"));
    EXPECT_TRUE(boxes_.empty());
    types->setCurrentIndex(0);
    QTest::keyClick(types, Qt::Key_Down); // the user picks "HS" again
    EXPECT_EQ(types->currentIndex(), 1);
    EXPECT_EQ(text("Edit18"), QStringLiteral("80"));

    for (const char *refused : {"75.5", "70+5", "", "abc"}) {
        SCOPED_TRACE(refused);
        type("Edit20", QString::fromUtf8(refused));
        pressEnter("Edit20");
        EXPECT_EQ(
            describe(boxes_.take()),
            failureBox(
                QStringLiteral("'%1' は整数ではありません.").arg(QString::fromUtf8(refused))));
        EXPECT_EQ(text("Edit20"), QString::fromUtf8(refused));
        EXPECT_EQ(focused(), QStringLiteral("Edit20"));
    }
    types->setCurrentIndex(0);
    QTest::keyClick(types, Qt::Key_Down);
    EXPECT_EQ(text("Edit20"), QStringLiteral("80")); // nothing refused was stored
}

// Every input field, fed text that cannot be evaluated: the box of its rule,
// the text kept as typed, the focus where the rule leaves it, no other field
// changed.
TEST_F(FormTest, BadInputInEveryField)
{
    const std::string checkValue = warningBox("数値を確認してください。");
    const std::string checkCalc = warningBox("数値を確認して下さい。");
    const std::string enterNumber = warningBox("数値を入力して下さい。");
    const std::string enterDigits = warningBox("数字を入力して下さい。");
    const std::string none;
    const std::string ratio = "ratio"; // the failure box naming the text
    struct Field
    {
        int page;
        const char *field;
        const char *check; // a control to check first, making the field writable
        const std::string &box;
        const char *focusAfter; // nullptr: stays in the field
    };
    const Field fields[] = {
        {TDuctForm::DuctPageIndex, "Ztai_Edit", nullptr, checkValue, nullptr},
        {TDuctForm::DuctPageIndex, "Hijy_Edit", nullptr, checkValue, nullptr},
        {TDuctForm::DuctPageIndex, "M_Ason", nullptr, checkValue, nullptr},
        {TDuctForm::DuctPageIndex, "S_Fryo", nullptr, checkCalc, nullptr},
        {TDuctForm::DuctPageIndex, "S_Size1", "CheckBox1", checkCalc, nullptr},
        {TDuctForm::DuctPageIndex, "P_Fryo", nullptr, checkValue, nullptr},
        {TDuctForm::DuctPageIndex, "P_Size1", nullptr, checkValue, nullptr},
        {TDuctForm::DuctPageIndex, "P_Size2", nullptr, checkCalc, nullptr},
        {TDuctForm::DuctPageIndex, "P_SizeD", "MaruButton", checkCalc, nullptr},
        {TDuctForm::OutletPageIndex, "Edit19", nullptr, checkValue, nullptr},
        {TDuctForm::OutletPageIndex, "Edit20", nullptr, ratio, nullptr},
        {TDuctForm::OutletPageIndex, "Edit26", nullptr, checkCalc, nullptr},
        {TDuctForm::OutletPageIndex, "Edit23", "CheckBox2", checkCalc, nullptr},
        {TDuctForm::OutletPageIndex, "Edit17", nullptr, checkValue, nullptr},
        {TDuctForm::OutletPageIndex, "Edit18", nullptr, ratio, nullptr},
        {TDuctForm::OutletPageIndex, "Edit28", nullptr, checkValue, nullptr},
        {TDuctForm::OutletPageIndex, "Edit29", nullptr, checkCalc, nullptr},
        {TDuctForm::OutletPageIndex, "Edit30", "RadioButton2", checkCalc, nullptr},
        {TDuctForm::PipePageIndex, "Z_Edit", nullptr, checkValue, nullptr},
        {TDuctForm::PipePageIndex, "H_Edit", nullptr, checkValue, nullptr},
        {TDuctForm::PipePageIndex, "M_AsonP", nullptr, checkValue, nullptr},
        {TDuctForm::PipePageIndex, "S_Ryo", nullptr, checkCalc, nullptr},
        {TDuctForm::PipePageIndex, "P_Ryo", nullptr, checkValue, nullptr},
        {TDuctForm::AirPageIndex, "D_TempEdit", nullptr, checkValue, nullptr},
        {TDuctForm::AirPageIndex, "entEdit", nullptr, enterNumber, nullptr},
        {TDuctForm::AirPageIndex, "PrEdit", "PrGroupItem1", none, "entEdit"},
        {TDuctForm::AirPageIndex, "WhEdit", "PrGroupItem2", none, "entEdit"},
        {TDuctForm::UnitsPageIndex, "Edit1", nullptr, enterDigits, nullptr},
        {TDuctForm::UnitsPageIndex, "Edit2", nullptr, enterDigits, nullptr},
        {TDuctForm::UnitsPageIndex, "Edit13", nullptr, enterDigits, nullptr},
        {TDuctForm::UnitsPageIndex, "Edit16", nullptr, enterDigits, nullptr},
    };
    const QString inputs[] = {
        QString(),
        QStringLiteral("   "),
        QStringLiteral("abc"),
        QStringLiteral("1/0"),
        QStringLiteral("1E5000"),
        QString(100000, QLatin1Char('(')),
        QStringLiteral("\t\x01\x7f"),
        QStringLiteral("風量のない式"),
        QStringLiteral("<b>1</b>"),
    };
    for (const auto &f : fields) {
        showPage(f.page);
        if (f.check)
            static_cast<QAbstractButton *>(find(f.check))->setChecked(true);
        boxes_.take();
        for (const QString &input : inputs) {
            SCOPED_TRACE(std::string(f.field) + " <- " + input.left(20).toStdString());
            type(f.field, input);
            const auto before = allFieldTexts();
            pressEnter(f.field);
            const auto seen = boxes_.take();
            if (&f.box == &ratio) {
                ASSERT_EQ(seen.size(), 1) << describe(seen);
                EXPECT_EQ(seen[0].caption, QStringLiteral("Zefra"));
                EXPECT_TRUE(seen[0].text.endsWith(QStringLiteral("' は整数ではありません.")) ||
                            seen[0].text.endsWith(QStringLiteral("…")));
            } else {
                EXPECT_EQ(describe(seen), f.box);
            }
            EXPECT_EQ(allFieldTexts(), before);
            EXPECT_EQ(focused(), QString::fromLatin1(f.focusAfter ? f.focusAfter : f.field));
        }
    }
}

} // namespace
