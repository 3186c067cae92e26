// Finding words in the help: the pattern, the search of every chapter, and
// the find bar in the window.
#include "app/help/HelpSearch.h"
#include "app/help/HelpWindowFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

namespace {

using app::help::FindPattern;

TEST(HelpFindPattern, MatchesEitherWidthAndCase)
{
    // A Japanese input method left in full-width mode types "ＶＨＳ"; the
    // guide writes some captions full-width ("ＳＩ単位").
    const struct
    {
        const char *term;
        const char *text;
        bool found;
    } cases[] = {
        {"VHS", "種類 VHS の開口率", true},
        {"ＶＨＳ", "種類 VHS の開口率", true},
        {"vhs", "種類 VHS の開口率", true},
        {"SI単位", "ＳＩ単位で同じ計算", true},
        {"ｓｉ単位", "SI単位", true},
        {"m3/h", "風量 3600 m3/h", true},
        {"0.1", "0x1", false}, // the point is no wildcard
        {"(1+2)", "(1+2)*3", true},
        {"相当直径", "矩形ダクトの相当直径", true},
        {"相当 直径", "相当　直径", true}, // ideographic space
        {"相当直径", "相当径", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.term);
        const QRegularExpression pattern = FindPattern(QString::fromUtf8(c.term));
        ASSERT_TRUE(pattern.isValid()) << pattern.errorString().toStdString();
        EXPECT_EQ(pattern.match(QString::fromUtf8(c.text)).hasMatch(), c.found);
    }
    EXPECT_TRUE(FindPattern(QStringLiteral(" 　 ")).pattern().isEmpty());
}

TEST_F(HelpWindowTest, SearchOfEveryChapterListsSectionsInReadingOrder)
{
    const QString front =
        write(QStringLiteral("Zefra.html"), QStringLiteral("<h1>表紙</h1><p>開口率の話。</p>"
                                                           "<a href=\"b.html\">B</a>"));
    write(QStringLiteral("b.html"),
          QStringLiteral("<h1>章 B</h1><h2 id=\"one\">一</h2><p>なし</p>"
                         "<h2 id=\"two\">二</h2><p>開口率 と 開口率。</p>"));
    open(front);
    const auto hits = app::help::SearchLibrary(help_->library(), QStringLiteral("開口率"));
    ASSERT_EQ(hits.size(), 2);
    EXPECT_EQ(hits[0].chapter, QStringLiteral("表紙"));
    EXPECT_EQ(hits[0].url.fileName(), QStringLiteral("Zefra.html"));
    EXPECT_EQ(hits[1].section, QStringLiteral("二"));
    EXPECT_EQ(hits[1].count, 2);
    EXPECT_EQ(hits[1].url.fragment(), QStringLiteral("two"));
    EXPECT_EQ(hits[1].excerpt, QStringLiteral("二 開口率 と 開口率。"));
}

// Ctrl+F, a Japanese word as the input method commits it, then F3 and
// Shift+F3 through the page, wrapping at its end.
TEST_F(HelpWindowTest, FindInThePage)
{
    openShipped();
    help_->go(browser()->source().resolved(QUrl(QStringLiteral("model.html"))));
    press(QKeySequence::Find);
    auto *term = find<QLineEdit>("HelpFindText");
    ASSERT_EQ(QApplication::focusWidget(), term);
    commit(QStringLiteral("相当直径"));
    auto *status = find<QLabel>("HelpFindStatus");
    EXPECT_EQ(browser()->textCursor().selectedText(), QStringLiteral("相当直径"));
    // "1 / N 件": the N matches of the page.
    const QString total = status->text().section(QStringLiteral(" / "), 1).section(' ', 0, 0);
    EXPECT_EQ(status->text(), QStringLiteral("1 / %1 件").arg(total));
    ASSERT_GE(total.toInt(), 3);
    const int first = browser()->textCursor().selectionStart();

    press(QKeySequence(Qt::Key_F3));
    EXPECT_GT(browser()->textCursor().selectionStart(), first);
    EXPECT_EQ(status->text(), QStringLiteral("2 / %1 件").arg(total));
    press(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    EXPECT_EQ(browser()->textCursor().selectionStart(), first);
    press(QKeySequence(Qt::SHIFT | Qt::Key_F3)); // wraps round to the last
    EXPECT_EQ(status->text(), QStringLiteral("%1 / %1 件").arg(total));
    QTest::keyClick(term, Qt::Key_Return); // and Enter on to the first again
    EXPECT_EQ(browser()->textCursor().selectionStart(), first);

    term->clear();
    commit(QStringLiteral("どこにもない語"));
    EXPECT_EQ(status->text(), QStringLiteral("見つかりません"));
}

// Ctrl+Shift+F lists the sections of every chapter with the word; choosing
// one shows its first occurrence there.
TEST_F(HelpWindowTest, FindInEveryChapter)
{
    openShipped();
    press(QKeySequence::Find);
    commit(QStringLiteral("ＤＧ")); // typed full-width, found as "DG"
    press(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    auto *results = find<QListWidget>("HelpSearchResults");
    EXPECT_EQ(find<QTabWidget>("HelpPanes")->currentWidget(), results);
    ASSERT_GE(results->count(), 2);
    int outletTypes = -1;
    for (int i = 0; i < results->count(); ++i) {
        if (results->item(i)->text().startsWith(
                QStringLiteral("吹出口・吸込口 › 吹出・吸込口の種類")))
            outletTypes = i;
    }
    ASSERT_GE(outletTypes, 0);
    results->setFocus();
    results->setCurrentRow(outletTypes);
    QTest::keyClick(results, Qt::Key_Return);
    EXPECT_EQ(place(), QStringLiteral("outlet.html#types"));
    EXPECT_EQ(browser()->textCursor().selectedText(), QStringLiteral("DG"));
}

} // namespace
