// Typing with an input method left in full-width mode: every page reads the
// text as its ASCII form, and what the program writes back is ASCII.
#include "support/FormFixture.h"

#include <utility>
#include <vector>

namespace {

using Typing = std::vector<std::pair<const char *, const char *>>; // field, text

class FullWidthInputTest : public FormTest
{
protected:
    // Types each text, presses Enter in the last field and returns every
    // field's text afterwards.
    QMap<QString, QString> enter(int page, const Typing &typing)
    {
        showPage(page);
        for (const auto &[field, typed] : typing)
            type(field, QString::fromUtf8(typed));
        pressEnter(typing.back().first);
        return allFieldTexts();
    }
};

TEST_F(FullWidthInputTest, EveryPageReadsFullWidthAsAscii)
{
    // Duct sizing reads roughness and target loss as plain numbers after it
    // evaluates the flow; the units page converts a plain number; the
    // moist-air page reads both of its fields as plain numbers; the opening
    // ratio is read as a whole number before it is evaluated.
    const struct
    {
        const char *name;
        int page;
        Typing ascii;
        Typing wide;
    } cases[] = {
        {"duct sizing",
         TDuctForm::DuctPageIndex,
         {{"Ztai_Edit", "0.18"}, {"M_Ason", "0.1"}, {"S_Fryo", "1800*2"}},
         {{"Ztai_Edit", "０．１８"}, {"M_Ason", "０．１"}, {"S_Fryo", "１８００×２"}}},
        {"duct loss",
         TDuctForm::DuctPageIndex,
         {{"P_Fryo", "3600"}, {"P_Size1", "500"}, {"P_Size2", "400"}},
         {{"P_Fryo", "３６００"}, {"P_Size1", "５００"}, {"P_Size2", "（２＋２）＊１００"}}},
        {"opening ratio", TDuctForm::OutletPageIndex, {{"Edit20", "75"}}, {{"Edit20", "７５"}}},
        {"unit conversion", TDuctForm::UnitsPageIndex, {{"Edit1", "-760"}}, {{"Edit1", "−７６０"}}},
        {"moist air",
         TDuctForm::AirPageIndex,
         {{"D_TempEdit", "30"}, {"entEdit", "20"}},
         {{"D_TempEdit", "３０．"}, {"entEdit", "　２０．０　"}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QMap<QString, QString> expected = enter(c.page, c.ascii);
        ASSERT_TRUE(boxes_.empty()) << describe(boxes_.take());
        QMap<QString, QString> shown = enter(c.page, c.wide);
        EXPECT_TRUE(boxes_.empty()) << describe(boxes_.take());
        // A field that is only read keeps its text as typed; the rest must agree.
        for (const auto &[field, typed] : c.wide) {
            const QString name = QString::fromLatin1(field);
            if (shown.value(name) == QString::fromUtf8(typed))
                shown.remove(name), expected.remove(name);
        }
        EXPECT_EQ(shown, expected);
    }
}

} // namespace
