// The help window: contents, links and history, keys, and the places it
// cannot go.
#include "app/help/HelpWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

namespace {

QStringList topLevelTitles(const QTreeWidget *tree)
{
    QStringList titles;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        titles << tree->topLevelItem(i)->text(0);
    return titles;
}

QTreeWidgetItem *item(const QTreeWidget *tree, const QString &text)
{
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

TEST_F(HelpWindowTest, ContentsListEveryChapterInTheFrontPagesOrder)
{
    openShipped();
    EXPECT_EQ(place(), QStringLiteral("Zefra.html"));
    auto *contents = find<QTreeWidget>("HelpContents");
    const QStringList titles = topLevelTitles(contents);
    ASSERT_GE(titles.size(), 14);
    // The front page first, then its chapter table in order.
    EXPECT_EQ(
        titles.mid(0, 14),
        (QStringList{"Zefra の使い方", "入力と操作の基本", "数式と変数", "ダクト計算",
                     "吹出口・吸込口", "配管計算", "空気の状態値計算", "単位変換", "サイズ一覧",
                     "計算記録", "空気線図", "文書（ファイル）", "系統圧損計算", "計算式と前提"}));
    // A chapter's sections come from its headings; choosing one goes there.
    QTreeWidgetItem *example = item(contents, QStringLiteral("計算例：寸法計算"));
    ASSERT_TRUE(example);
    EXPECT_EQ(example->parent()->text(0), QStringLiteral("ダクト計算"));
    contents->setCurrentItem(example);
    EXPECT_EQ(place(), QStringLiteral("duct.html#example-sizing"));
}

TEST_F(HelpWindowTest, AChapterAddedToTheFolderJoinsTheContents)
{
    const QString front =
        write(QStringLiteral("Zefra.html"), QStringLiteral("<h1>表紙</h1><a href=\"b.html\">B</a>"
                                                           "<a href=\"a.html#x\">A</a>"));
    write(QStringLiteral("a.html"), QStringLiteral("<h1>章 A</h1><h2 id=\"x\">節 X</h2>"));
    write(QStringLiteral("b.html"), QStringLiteral("<h1>章 B</h1><h2>id のない節</h2>"));
    write(QStringLiteral("record.html"), QStringLiteral("<h1>記録</h1><h2 id=\"r\">節 R</h2>"));
    open(front);
    const auto *contents = find<QTreeWidget>("HelpContents");
    // Linked chapters in the order of their links, then the unlinked one.
    EXPECT_EQ(topLevelTitles(contents), (QStringList{"表紙", "章 B", "章 A", "記録"}));
    // A heading without an id cannot be gone to, so it is not listed.
    EXPECT_EQ(contents->topLevelItem(1)->childCount(), 0);
    EXPECT_EQ(contents->topLevelItem(3)->child(0)->text(0), QStringLiteral("節 R"));
}

// Links between documents and within one, then back and forward by key and
// by button.
TEST_F(HelpWindowTest, LinksAndHistory)
{
    openShipped();
    auto *back = find<QToolButton>("HelpBack");
    auto *forward = find<QToolButton>("HelpForward");
    EXPECT_FALSE(back->isEnabled());

    clickLink(QStringLiteral("duct.html"));
    EXPECT_EQ(place(), QStringLiteral("duct.html"));
    clickLink(QStringLiteral("model.html#friction"));
    EXPECT_EQ(place(), QStringLiteral("model.html#friction"));
    clickLink(QStringLiteral("#equivalent-diameter"));
    EXPECT_EQ(place(), QStringLiteral("model.html#equivalent-diameter"));
    EXPECT_EQ(find<QTreeWidget>("HelpContents")->currentItem()->text(0),
              QStringLiteral("矩形ダクトの相当直径"));

    press(QKeySequence(Qt::ALT | Qt::Key_Left));
    EXPECT_EQ(place(), QStringLiteral("model.html#friction"));
    press(QKeySequence(Qt::ALT | Qt::Key_Left));
    press(QKeySequence(Qt::ALT | Qt::Key_Left));
    EXPECT_EQ(place(), QStringLiteral("Zefra.html"));
    EXPECT_FALSE(back->isEnabled());
    EXPECT_TRUE(forward->isEnabled());
    press(QKeySequence(Qt::ALT | Qt::Key_Right));
    EXPECT_EQ(place(), QStringLiteral("duct.html"));
    QTest::mouseClick(forward, Qt::LeftButton);
    EXPECT_EQ(place(), QStringLiteral("model.html#friction"));
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(place(), QStringLiteral("duct.html"));
    QTest::mouseClick(find<QToolButton>("HelpHome"), Qt::LeftButton);
    EXPECT_EQ(place(), QStringLiteral("Zefra.html"));
}

// A link to a document that is not there, or out of the help when nothing can
// open it, says so and stays where it was.
TEST_F(HelpWindowTest, LinksThatCannotBeFollowedSaySo)
{
    const QString front = write(QStringLiteral("Zefra.html"),
                                QStringLiteral("<h1>表紙</h1><p><a href=\"gone.html\">なし</a> "
                                               "<a href=\"https://example.org/\">外</a></p>"));
    open(front);
    auto *status = find<QLabel>("HelpStatus");
    clickLink(QStringLiteral("gone.html"));
    EXPECT_EQ(place(), QStringLiteral("Zefra.html"));
    EXPECT_TRUE(status->isVisible());
    EXPECT_TRUE(status->text().startsWith(QStringLiteral("文書が見つかりません: ")));
    EXPECT_TRUE(status->text().endsWith(QStringLiteral("gone.html")));

    QList<QUrl> opened;
    help_->setExternalOpener([&](const QUrl &url) {
        opened << url;
        return false;
    });
    clickLink(QStringLiteral("https://example.org/"));
    EXPECT_EQ(opened, QList<QUrl>{QUrl(QStringLiteral("https://example.org/"))});
    EXPECT_EQ(status->text(), QStringLiteral("リンク先を開けませんでした: https://example.org/"));
    EXPECT_EQ(place(), QStringLiteral("Zefra.html"));
}

// Esc closes the find bar first, then the window; asked again, the window
// reads the documents afresh and opens at the front page.
TEST_F(HelpWindowTest, EscapeClosesTheFindBarThenTheWindow)
{
    openShipped();
    help_->go(browser()->source().resolved(QUrl(QStringLiteral("pipe.html#sizes"))));
    press(QKeySequence::Find);
    auto *findBar = find<QWidget>("HelpFindBar");
    EXPECT_TRUE(findBar->isVisible());
    press(QKeySequence(Qt::Key_Escape));
    EXPECT_FALSE(findBar->isVisible());
    EXPECT_TRUE(help_->isVisible());
    press(QKeySequence(Qt::Key_Escape));
    EXPECT_FALSE(help_->isVisible());
    openShipped();
    EXPECT_EQ(place(), QStringLiteral("Zefra.html"));
}

} // namespace
