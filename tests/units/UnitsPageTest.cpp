// The unit-conversion page through the window: every row in both directions,
// the partner emptied while the user types, and failed conversions.
#include "support/FormFixture.h"

#include "eval/Evaluator.h"

namespace {

const std::string EnterNumber = warningBox("数字を入力して下さい。");

class UnitsPageTest : public FormTest
{
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        showPage(TDuctForm::UnitsPageIndex);
    }

    // Nothing has the focus, so texts set now count as written, not typed.
    void dropFocus()
    {
        if (QWidget *w = form_->focusWidget())
            w->clearFocus();
    }
    void setTexts(const char *field, const char *fieldText, const char *partner,
                  const char *partnerText)
    {
        dropFocus();
        edit(field)->setText(QString::fromUtf8(fieldText));
        edit(partner)->setText(QString::fromUtf8(partnerText));
    }
};

// Expected texts: the typed value times the row's factor, rounded to 7
// decimals (Python decimal, 50 digits); the page's worked examples among them.
TEST_F(UnitsPageTest, EveryRowConvertsBothWays)
{
    const struct
    {
        const char *field;
        const char *typed;
        const char *shown; // the field after Enter
        const char *partner;
        const char *converted;
    } cases[] = {
        {"Edit1", "760", "760", "Edit2", "101.3250240"},    // × 0.1333224
        {"Edit1", "-760", "-760", "Edit2", "-101.3250240"}, // the sign kept
        {"Edit2", "101.325", "101.325", "Edit1", "759.9998200"},
        {"Edit3", "x=2", "2", "Edit4", "19.6133000"}, // × 9.80665
        {"Edit4", "1", "1", "Edit3", "0.1019716"},
        {"Edit5", "100/4", "25", "Edit6", "104.6500000"}, // × 4.186
        {"Edit6", "100", "100", "Edit5", "23.8891543"},
        {"Edit7", "860", "860", "Edit8", "1.0000000"}, // ÷ 860
        {"Edit8", "1", "1", "Edit7", "860.0000000"},
        {"Edit9", "1", "1", "Edit10", "9.8066520"}, // ÷ 0.1019716, not × 9.80665
        {"Edit10", "9.80665", "9.80665", "Edit9", "0.9999998"},
        {"Edit11", "1", "1", "Edit12", "4.1860000"},
        {"Edit12", "1", "1", "Edit11", "0.2388915"},
        {"Edit13", "1", "1", "Edit14", "1.1627907"}, // ÷ 0.86
        {"Edit14", "1", "1", "Edit13", "0.8600000"},
        {"Edit15", "2.5", "2.5", "Edit16", "2.9069767"},
        {"Edit16", "1", "1", "Edit15", "0.8600000"},
        {"Edit16", "3", "3", "Edit15", "2.5800000"},
        // 8.6E18 has more than 18 integer digits: the general form.
        {"Edit8", "1E16", "1E16", "Edit7", "8.6E18"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.field) + " <- " + c.typed);
        type(c.field, QString::fromUtf8(c.typed));
        pressEnter(c.field);
        EXPECT_TRUE(boxes_.empty()) << describe(boxes_.take());
        EXPECT_EQ(text(c.field), QString::fromUtf8(c.shown));
        EXPECT_EQ(text(c.partner), QString::fromUtf8(c.converted));
        EXPECT_EQ(focused(), QString::fromLatin1(c.field));
    }
    // "x=2" assigned the window's variable X.
    EXPECT_EQ(eval::Evaluate("X"), 2.0L);
}

// The first keystroke in a field empties its partner; Edit2 alone leaves
// Edit1 as it is. A value written into a field while it lacks the focus
// leaves its partner alone.
TEST_F(UnitsPageTest, TypingEmptiesThePartner)
{
    for (int tag = 1; tag <= 16; ++tag) {
        const int partnerTag = tag % 2 == 1 ? tag + 1 : tag - 1;
        const QByteArray field = QByteArray("Edit") + QByteArray::number(tag);
        const QByteArray partner = QByteArray("Edit") + QByteArray::number(partnerTag);
        SCOPED_TRACE(field.constData());
        setTexts(field.constData(), "7", partner.constData(), "9");
        EXPECT_EQ(text(partner.constData()), QStringLiteral("9"));
        edit(field.constData())->setFocus();
        QTest::keyClick(edit(field.constData()), '5');
        EXPECT_EQ(text(partner.constData()), tag == 2 ? QStringLiteral("9") : QString());
    }
}

TEST_F(UnitsPageTest, FailedConversionKeepsBothTexts)
{
    const struct
    {
        const char *name;
        const char *field;
        const char *typed;
        const char *partner;
        const char *partnerAfter; // typing has emptied it, except beside Edit2
    } cases[] = {
        {"empty", "Edit1", "", "Edit2", ""},
        {"not a number", "Edit1", "abc", "Edit2", ""},
        {"division by zero", "Edit5", "1/0", "Edit6", ""},
        // 1E4930 kW is beyond the extended range in kcal/h: never "inf".
        {"overflow", "Edit8", "1E4930", "Edit7", ""},
        {"overflow keeps the expression", "Edit8", "1E4930*1", "Edit7", ""},
        {"Edit2 leaves Edit1", "Edit2", "abc", "Edit1", "34"},
        {"overflow in Edit2", "Edit2", "1E4932*1", "Edit1", "34"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        setTexts(c.field, "12", c.partner, "34");
        type(c.field, QString::fromUtf8(c.typed));
        pressEnter(c.field);
        EXPECT_EQ(describe(boxes_.take()), EnterNumber);
        EXPECT_EQ(text(c.field), QString::fromUtf8(c.typed));
        EXPECT_EQ(text(c.partner), QString::fromUtf8(c.partnerAfter));
        EXPECT_EQ(focused(), QString::fromLatin1(c.field));
        // After the box the user types on in the same field: the partner is
        // emptied again (the focus is back in the field although no window
        // may be active).
        edit(c.partner)->setText(QStringLiteral("56"));
        QTest::keyClick(edit(c.field), '1');
        const bool besideEdit2 = QByteArray(c.field) == "Edit2";
        EXPECT_EQ(text(c.partner), besideEdit2 ? QStringLiteral("56") : QString());
    }
}

} // namespace
