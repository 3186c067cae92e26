// The window as designed: pages, captions, design texts, hints and states.
#include "support/FormFixture.h"

#include "app/ui/MessageBoxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

namespace {

TEST_F(FormTest, WindowFrameAndPages)
{
    EXPECT_EQ(form_->windowTitle(), QStringLiteral("  Zefra"));
    EXPECT_EQ(form_->centralWidget()->size(), QSize(562, 298));
    EXPECT_EQ(form_->minimumSize(), form_->maximumSize()); // the user cannot resize it
    EXPECT_FALSE(form_->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form_->windowFlags() & Qt::WindowMinimizeButtonHint);

    QTabWidget *pages = form_->pageControl();
    EXPECT_EQ(pages->objectName(), QStringLiteral("PageControl"));
    EXPECT_EQ(pages->tabBar()->focusPolicy(), Qt::NoFocus);
    const char *names[] = {"TabSheet1", "TabSheet5", "TabSheet2", "TabSheet4", "TabSheet3"};
    const char *captions[] = {"ダクト計算", "吹出口・吸込口", "配管計算", "空気の状態値計算",
                              "単位変換"};
    ASSERT_EQ(pages->count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(pages->widget(i)->objectName(), QString::fromLatin1(names[i]));
        EXPECT_EQ(pages->tabText(i), QString::fromUtf8(captions[i]));
    }
}

TEST_F(FormTest, EntryFieldsInTheirDesignState)
{
    const struct
    {
        const char *name;
        const char *text;
        const char *hint;
        bool readOnly;
        bool tabStop;
    } fields[] = {
        {"Ztai_Edit", "0.180", "標準ダクト", false, true},
        {"Hijy_Edit", "1.200", "標準空気(20℃,60%,760mmHg)", false, true},
        {"M_Ason", "0.100", "目標圧力損失を入力してください", false, true},
        {"S_Fryo", "", "風量を入力してください", false, true},
        {"S_Size1", "", "計算します", true, true},
        {"S_Size2", "", "計算します", true, false},
        {"S_SizeD", "", "計算します", true, false},
        {"S_Fusok", "", "計算します", true, false},
        {"S_Ason", "", "計算します", true, false},
        {"P_Fryo", "", "風量を入力してください", false, true},
        {"P_Size1", "", "サイズを入力してください", false, true},
        {"P_Size2", "", "サイズを入力してください", false, true},
        {"P_SizeD", "", "計算します", true, true},
        {"P_Fusok", "", "計算します", true, false},
        {"P_Ason", "", "計算します", true, false},
        {"Edit23", "", "計算します", true, true},
        {"Edit24", "", "計算します", true, false},
        {"Edit25", "", "計算します", true, false},
        {"Edit21", "", "計算します", true, false},
        {"Edit28", "", "サイズを入力してください", false, true},
        {"Edit29", "", "サイズを入力してください", false, true},
        {"Edit30", "", "計算します", true, true},
        {"Edit32", "", "計算します", true, false},
        {"M_AsonP", "", "目標圧損を入力してください", false, true},
        {"S_Ryo", "", "流量を入力してください", false, true},
        {"P_Ryo", "", "流量を入力してください", false, true},
        {"S_Size", "", "計算します", true, false},
        {"S_Speed", "", "計算します", true, false},
        {"P_AsonP", "", "計算します", true, false},
        {"D_TempEdit", "30", "数値を入力してください", false, true},
        {"entEdit", "20", "数値を入力して、ENTERキーで計算します。", false, true},
        {"cEdit4", "", "計算します。", true, false},
    };
    for (const auto &f : fields) {
        SCOPED_TRACE(f.name);
        QLineEdit *e = edit(f.name);
        ASSERT_TRUE(e);
        EXPECT_EQ(e->text(), QString::fromUtf8(f.text));
        EXPECT_EQ(e->toolTip(), QString::fromUtf8(f.hint));
        EXPECT_EQ(e->isReadOnly(), f.readOnly);
        EXPECT_EQ((e->focusPolicy() & Qt::TabFocus) == Qt::TabFocus, f.tabStop);
        if (f.readOnly && QLatin1String(f.name) != QLatin1String("Edit30")) {
            EXPECT_EQ(e->cursor().shape(), Qt::ForbiddenCursor);
        }
    }
    // Edit30 keeps the default cursor until the shape is first chosen.
    EXPECT_NE(edit("Edit30")->cursor().shape(), Qt::ForbiddenCursor);
}

TEST_F(FormTest, CaptionsOfButtonsAndLabels)
{
    const struct
    {
        const char *name;
        const char *caption;
    } captions[] = {
        {"TaniButton1", "在来単位"},
        {"TaniButton2", "ＳＩ単位"},
        {"KakuButton", "矩形ダクト"},
        {"MaruButton", "円形ダクト"},
        {"ssButton1", "圧損基準"},
        {"ssButton2", "風速基準"},
        {"CheckBox1", "サイズ固定"},
        {"RadioButton1", "矩     形"},
        {"RadioButton2", "円     形"},
        {"CheckBox2", "サイズ固定"},
        {"Label27", "絶対粗度"},
        {"Label26", "mm"},
        {"Label28", "流体比重"},
        {"Label25", "kg/m3"},
        {"Label3", "目標圧損"},
        {"Label9", "mmAq/m"},
        {"Label11", "mmAq/m"},
        {"Label29", "mmAq/m"},
        {"Label37", "目標圧損"},
        {"Label38", "mmAq/m"},
        {"Label42", "mmAq/m"},
        {"Label49", "mmAq/m"},
        {"Label104", "kcal/kg"},
        {"Label107", "mmHg"},
        {"TaniLabel", "℃"},
        {"Label94", "乾球温度"},
        {"Label50", "吹出・吸込口の種類"},
    };
    for (const auto &c : captions) {
        SCOPED_TRACE(c.name);
        QWidget *w = find(c.name);
        ASSERT_TRUE(w);
        const QString text = qobject_cast<QLabel *>(w) ? static_cast<QLabel *>(w)->text()
                                                       : static_cast<QAbstractButton *>(w)->text();
        EXPECT_EQ(text, QString::fromUtf8(c.caption));
    }
    EXPECT_TRUE(find<QRadioButton>("TaniButton1")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("KakuButton")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("ssButton1")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("RadioButton1")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_EQ(find<QCheckBox>("CheckBox1")->toolTip(), QStringLiteral("一辺のサイズを固定します"));

    auto *group = find<QGroupBox>("PrGroup");
    EXPECT_EQ(group->title(), QStringLiteral("気圧"));
    const auto items = group->findChildren<QRadioButton *>();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), QStringLiteral("標準大気圧 /mmHg"));
    EXPECT_EQ(items[1]->text(), QStringLiteral("特定大気圧  /mmHg")); // two blanks at design
    EXPECT_EQ(items[2]->text(), QStringLiteral("特定海抜 /m"));
    EXPECT_TRUE(items[0]->isChecked());
}

TEST_F(FormTest, ListItems)
{
    auto items = [this](const char *name) {
        QStringList list;
        auto *box = find<QComboBox>(name);
        for (int i = 0; i < box->count(); ++i)
            list << box->itemText(i);
        return list;
    };
    EXPECT_EQ(items("ComboBox1"),
              QStringList({"VHS", "HS", "OAG", "EAG", "RAG", "SEG", "DG", "排煙口"}));
    EXPECT_EQ(items("SelectBox"),
              QStringList({"湿球温度", "相対湿度", "絶対湿度", "露天温度", "エンタルピ"}));
    EXPECT_EQ(items("D_Syrui").size(), 12);
    EXPECT_EQ(items("Syrui").size(), 5);
    EXPECT_EQ(items("Ond").size(), 21);
    EXPECT_EQ(items("P_Size").size(), 22);
    EXPECT_EQ(items("P_Size").first(), QStringLiteral("10"));
    EXPECT_EQ(items("P_Size").last(), QStringLiteral("500"));
}

TEST_F(FormTest, MenuBar)
{
    QMenuBar *bar = form_->menuBar();
    EXPECT_EQ(bar->objectName(), QStringLiteral("MainMenu1"));
    const struct
    {
        const char *name;
        const char *caption;
    } actions[] = {
        {"D1", "電卓(&D)"}, {"HowtoUseHelp1", "使い方(&W)"}, {"About1", "ﾊﾞｰｼﾞｮﾝ情報(&A)..."}};
    for (const auto &a : actions) {
        auto *action = form_->findChild<QAction *>(QString::fromLatin1(a.name));
        ASSERT_TRUE(action) << a.name;
        EXPECT_EQ(action->text(), QString::fromUtf8(a.caption));
    }
    auto *help = form_->findChild<QMenu *>(QStringLiteral("Help1"));
    ASSERT_TRUE(help);
    EXPECT_EQ(help->title(), QStringLiteral("ﾍﾙﾌﾟ(&H)"));
}

TEST(FailureText, PeriodAfterMessagesThatEndAboveIt)
{
    const struct
    {
        const char *message;
        const char *shown;
    } cases[] = {
        {"'75.5' は整数ではありません", "'75.5' は整数ではありません."},
        {"範囲ﾁｪｯｸｴﾗｰ", "範囲ﾁｪｯｸｴﾗｰ."},
        {"数値を確認して下さい。", "数値を確認して下さい。."},
        {"ends with a period.", "ends with a period."},
        {"ends with a dash -", "ends with a dash -"},
        {"(1)", "(1)"},
        {"x=2", "x=2."},
        {"", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(app::ui::FailureText(QString::fromUtf8(c.message)), QString::fromUtf8(c.shown));
    }
}

} // namespace
