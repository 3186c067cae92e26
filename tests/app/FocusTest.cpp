// Focus order per page, the shared controls that travel between pages, and
// the flow-medium flags, all through the real window.
#include "support/FormFixture.h"

#include "numeric/Medium.h"

#include <QRadioButton>
#include <QTabWidget>

namespace {

// Walks one round of the page's order from its first control, once with
// Tab and once with the window's own "next field", and expects both to agree.
QStringList walk(TDuctForm &form, int rounds, bool useTab)
{
    QStringList seen;
    for (int i = 0; i < rounds; ++i) {
        QWidget *w = form.focusWidget();
        if (useTab)
            QTest::keyClick(w, Qt::Key_Tab);
        else
            form.FocusNextField();
        seen << (form.focusWidget() ? form.focusWidget()->objectName() : QStringLiteral("<none>"));
    }
    return seen;
}

class FocusOrderTest : public FormTest
{
protected:
    QStringList round(int page, const char *first, int count, bool useTab)
    {
        showPage(page);
        find(first)->setFocus();
        QStringList order{QString::fromLatin1(first)};
        order += walk(*form_, count, useTab);
        return order;
    }

    void expectOrder(int page, const QStringList &expected)
    {
        // One step more than the page has controls: the order wraps round.
        QStringList wrapped = expected;
        wrapped << expected.first();
        const QByteArray first = expected.first().toLatin1();
        EXPECT_EQ(round(page, first.constData(), expected.size(), true), wrapped) << "Tab";
        EXPECT_EQ(round(page, first.constData(), expected.size(), false), wrapped) << "Enter";
    }
};

TEST_F(FocusOrderTest, EveryPageAtStart)
{
    expectOrder(TDuctForm::DuctPageIndex,
                {"Ztai_Edit", "Hijy_Edit", "TaniButton1", "D_Syrui", "KakuButton", "ssButton1",
                 "CheckBox1", "M_Ason", "S_Fryo", "S_Size1", "P_Fryo", "P_Size1", "P_Size2",
                 "P_SizeD"});
    expectOrder(TDuctForm::OutletPageIndex,
                {"ComboBox1", "RadioButton1", "CheckBox2", "Edit19", "Edit20", "Edit26", "Edit23",
                 "Edit17", "Edit18", "Edit28", "Edit29", "Edit30"});
    expectOrder(TDuctForm::PipePageIndex, {"Z_Edit", "H_Edit", "TaniButton1", "Syrui", "Ond",
                                           "ssButton1", "M_AsonP", "S_Ryo", "P_Ryo", "P_Size"});
}

TEST_F(FocusOrderTest, MoistAirAndConversionPages)
{
    // Pressure and altitude fields are disabled while the standard pressure
    // is chosen, so the unit button follows the pressure group.
    expectOrder(TDuctForm::AirPageIndex,
                {"D_TempEdit", "entEdit", "SelectBox", "PrGroupItem0", "TaniButton1"});
    expectOrder(TDuctForm::UnitsPageIndex,
                {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9",
                 "Edit10", "Edit13", "Edit14", "Edit11", "Edit12", "Edit15", "Edit16"});
}

TEST_F(FocusOrderTest, CheckedRadioButtonIsTheTabStop)
{
    find<QRadioButton>("MaruButton")->setChecked(true);
    find<QRadioButton>("TaniButton2")->setChecked(true);
    boxes_.take();
    showPage(TDuctForm::DuctPageIndex);
    find("Hijy_Edit")->setFocus();
    pressTab();
    EXPECT_EQ(focused(), QStringLiteral("TaniButton2"));
    pressTab();
    EXPECT_EQ(focused(), QStringLiteral("D_Syrui"));
    pressTab();
    EXPECT_EQ(focused(), QStringLiteral("MaruButton"));
}

TEST_F(FocusOrderTest, BasisButtonsComeAfterTheCheckBoxAfterAVisitToThePipePage)
{
    showPage(TDuctForm::PipePageIndex);
    showPage(TDuctForm::DuctPageIndex);
    expectOrder(TDuctForm::DuctPageIndex,
                {"Ztai_Edit", "Hijy_Edit", "TaniButton1", "D_Syrui", "KakuButton", "CheckBox1",
                 "ssButton1", "M_Ason", "S_Fryo", "S_Size1", "P_Fryo", "P_Size1", "P_Size2",
                 "P_SizeD"});
}

TEST_F(FocusOrderTest, BackTabWalksTheOrderBackwards)
{
    showPage(TDuctForm::DuctPageIndex);
    find("M_Ason")->setFocus();
    pressTab(false);
    EXPECT_EQ(focused(), QStringLiteral("CheckBox1"));
    find("Ztai_Edit")->setFocus();
    pressTab(false);
    EXPECT_EQ(focused(), QStringLiteral("P_SizeD"));
}

TEST_F(FormTest, SharedControlsTravelBetweenPages)
{
    auto page = [this](const char *name) {
        for (QWidget *w = find(name); w; w = w->parentWidget()) {
            if (w->objectName().startsWith(QLatin1String("TabSheet")))
                return w->objectName();
        }
        return QString();
    };
    const char *all[] = {"TaniButton1", "TaniButton2", "Label25",   "Label26",
                         "Label27",     "Label28",     "ssButton1", "ssButton2"};

    showPage(TDuctForm::PipePageIndex);
    for (const char *name : all)
        EXPECT_EQ(page(name), QStringLiteral("TabSheet2")) << name;
    EXPECT_EQ(find<QRadioButton>("ssButton2")->text(), QStringLiteral("流速基準"));
    EXPECT_EQ(find("TaniButton1")->pos(), QPoint(389, 6));
    EXPECT_EQ(find("TaniButton2")->pos(), QPoint(470, 6));
    EXPECT_EQ(find("Label28")->pos(), QPoint(160, 5));

    showPage(TDuctForm::OutletPageIndex);
    showPage(TDuctForm::AirPageIndex);
    EXPECT_EQ(page("TaniButton1"), QStringLiteral("TabSheet4"));
    EXPECT_EQ(page("TaniButton2"), QStringLiteral("TabSheet4"));
    EXPECT_EQ(find("TaniButton1")->pos(), QPoint(13, 6));
    EXPECT_EQ(find("TaniButton2")->pos(), QPoint(94, 6));
    for (const char *name : {"Label25", "Label26", "Label27", "Label28", "ssButton1", "ssButton2"})
        EXPECT_EQ(page(name), QStringLiteral("TabSheet2")) << name;
    EXPECT_TRUE(find("TaniButton1")->isVisible());

    showPage(TDuctForm::DuctPageIndex);
    for (const char *name : all)
        EXPECT_EQ(page(name), QStringLiteral("TabSheet1")) << name;
    EXPECT_EQ(find<QRadioButton>("ssButton2")->text(), QStringLiteral("風速基準"));
    EXPECT_EQ(find("TaniButton2")->pos(), QPoint(470, 6));

    // One pair of buttons for the whole window: a choice made on one page
    // is the choice on the others.
    showPage(TDuctForm::AirPageIndex);
    find<QRadioButton>("TaniButton2")->setChecked(true);
    showPage(TDuctForm::PipePageIndex);
    EXPECT_TRUE(find<QRadioButton>("TaniButton2")->isChecked());
    boxes_.take();
}

TEST_F(FormTest, FlowMediumFollowsTheLastCalculationPage)
{
    const struct
    {
        int page;
        bool air;
        int divisor;
    } steps[] = {
        {TDuctForm::DuctPageIndex, true, 3600},   {TDuctForm::PipePageIndex, false, 60},
        {TDuctForm::AirPageIndex, false, 60},     {TDuctForm::UnitsPageIndex, false, 60},
        {TDuctForm::OutletPageIndex, true, 3600}, {TDuctForm::AirPageIndex, true, 3600},
        {TDuctForm::PipePageIndex, false, 60},    {TDuctForm::DuctPageIndex, true, 3600},
    };
    for (const auto &s : steps) {
        showPage(s.page);
        EXPECT_EQ(form_->flowMedium() == numeric::Medium::Air, s.air) << "page " << s.page;
        EXPECT_EQ(numeric::FlowTimeDivisor(form_->flowMedium()), s.divisor) << "page " << s.page;
    }
}

} // namespace
