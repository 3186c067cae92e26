// Texts far beyond Qt's default limit of 32,767 characters stay whole in
// every field, and a pasted sum of thousands of terms evaluates completely.
#include "support/FormFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>

namespace {

// "1+1+…+1" with `terms` ones: 2·terms − 1 characters.
QString sumOfOnes(int terms)
{
    QString text = QStringLiteral("1");
    text.reserve(2 * terms);
    for (int i = 1; i < terms; ++i)
        text += QStringLiteral("+1");
    return text;
}

class LongTextTest : public FormTest
{
protected:
    // Replaces the field's text by the clipboard's, as Ctrl+V does.
    void paste(const char *name, const QString &text)
    {
        QApplication::clipboard()->setText(text);
        QLineEdit *field = edit(name);
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    }
};

TEST_F(LongTextTest, PastedSumOf20000TermsEvaluatesWhole)
{
    // 39,999 characters: Qt's default limit kept 32,767 of them, a sum of 16,384.
    const QString sum = sumOfOnes(20000);
    const struct
    {
        int page;
        const char *field;
    } cases[] = {
        {TDuctForm::DuctPageIndex, "P_Fryo"},   {TDuctForm::DuctPageIndex, "S_Fryo"},
        {TDuctForm::OutletPageIndex, "Edit19"}, {TDuctForm::OutletPageIndex, "Edit17"},
        {TDuctForm::PipePageIndex, "P_Ryo"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.field);
        showPage(c.page);
        paste(c.field, sum);
        ASSERT_EQ(text(c.field).size(), sum.size());
        QElapsedTimer clock;
        clock.start();
        pressEnter(c.field);
        EXPECT_EQ(text(c.field), QStringLiteral("20000"));
        // About 10 ms here; the bound allows for sanitizers and a busy machine.
        EXPECT_LT(clock.elapsed(), 5000);
        boxes_.take(); // a calculation may warn about so large a flow; the field is what counts
    }
}

TEST_F(LongTextTest, EveryFieldKeepsTextsBeyondQtsDefaultLimit)
{
    // One character more than Qt's default limit of 32,767, and then some.
    const QString longText = QString(40000, QLatin1Char('7')) + QLatin1Char('8');
    const QList<QLineEdit *> fields = form_->findChildren<QLineEdit *>();
    ASSERT_GT(fields.size(), 40);
    QApplication::clipboard()->setText(longText);
    for (QLineEdit *field : fields) {
        SCOPED_TRACE(field->objectName().toStdString());
        field->setText(longText);
        EXPECT_EQ(field->text(), longText); // written by the program
        if (field->isReadOnly())
            continue;
        field->clear();
        field->paste();
        EXPECT_EQ(field->text(), longText); // pasted by the user
        field->clear();
    }
}

TEST_F(LongTextTest, Text100000CharactersLongStaysWhole)
{
    // 100,000 characters: 49,999 ones and a last term of 10.
    const QString longText = sumOfOnes(50000) + QLatin1Char('0');
    paste("S_Fryo", longText);
    EXPECT_EQ(text("S_Fryo"), longText);
    QTest::keyClicks(edit("S_Fryo"), QStringLiteral("+1"));
    EXPECT_EQ(text("S_Fryo"), longText + QStringLiteral("+1"));
    pressEnter("S_Fryo");
    EXPECT_EQ(text("S_Fryo"), QStringLiteral("50010")); // 49,999 + 10 + 1
    boxes_.take(); // a calculation may warn about so large a flow; the field is what counts
}

} // namespace
