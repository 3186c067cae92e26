// The menu: calculator, help and the About box.
#include "app/help/HelpLocation.h"
#include "app/help/HelpWindow.h"
#include "support/FormFixture.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTextBrowser>
#include <QUrl>

namespace {

QAction *action(TDuctForm &form, const char *name)
{
    return form.findChild<QAction *>(QString::fromLatin1(name));
}

TEST_F(FormTest, CalculatorThatCannotStartShowsTheErrorBox)
{
    QStringList tried;
    form_->setProgramStarter([&](const QString &program) {
        tried << program;
        return false;
    });
    const auto before = allFieldTexts();
    action(*form_, "D1")->trigger();
    EXPECT_EQ(describe(boxes_.take()), "ｴﾗｰ: 電卓を起動できませんでした。 (error)");
    EXPECT_EQ(allFieldTexts(), before);
}

TEST_F(FormTest, CalculatorStartsTheFirstOneFound)
{
    QStringList started;
    form_->setProgramStarter([&](const QString &program) {
        started << program;
        return true;
    });
    action(*form_, "D1")->trigger();
    if (started.isEmpty())
        EXPECT_EQ(describe(boxes_.take()),
                  "ｴﾗｰ: 電卓を起動できませんでした。 (error)"); // none installed here
    else
        EXPECT_EQ(started.size(), 1);
    EXPECT_TRUE(boxes_.empty());
}

// The help opens in the program's own window, found from the help file name
// beside the test program as beside the program itself.
TEST_F(FormTest, HelpOpensTheHelpWindowAtTheFrontPage)
{
    QStringList asked;
    form_->setHelpCandidates([&](const QString &helpFile) {
        asked << helpFile;
        return app::help::HelpDocumentCandidates(helpFile);
    });
    action(*form_, "HowtoUseHelp1")->trigger();
    EXPECT_TRUE(boxes_.empty()) << describe(boxes_.take());
    EXPECT_EQ(asked, QStringList{QStringLiteral("Zefra.hlp")});
    app::help::HelpWindow *help = form_->helpWindow();
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    EXPECT_EQ(help->objectName(), QStringLiteral("HelpWindow"));
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Zefra ヘルプ"));
    QTextBrowser *browser = help->browser();
    EXPECT_EQ(QFileInfo(browser->source().toLocalFile()).fileName(), QStringLiteral("Zefra.html"));
    EXPECT_EQ(browser->documentTitle(), QStringLiteral("Zefra の使い方"));
    EXPECT_TRUE(browser->toPlainText().startsWith(QStringLiteral("Zefra の使い方\n")));

    // Asked again: the same window, raised where the reader left it.
    help->go(browser->source().resolved(QUrl(QStringLiteral("duct.html"))));
    action(*form_, "HowtoUseHelp1")->trigger();
    EXPECT_EQ(form_->helpWindow(), help);
    EXPECT_EQ(form_->findChildren<app::help::HelpWindow *>().size(), 1);
    EXPECT_EQ(QFileInfo(browser->source().toLocalFile()).fileName(), QStringLiteral("duct.html"));

    // Closed and asked again: back at the front page.
    help->close();
    action(*form_, "HowtoUseHelp1")->trigger();
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(QFileInfo(browser->source().toLocalFile()).fileName(), QStringLiteral("Zefra.html"));
    EXPECT_TRUE(boxes_.empty()) << describe(boxes_.take());
}

TEST_F(FormTest, MissingHelpNamesThePlacesTried)
{
    const QStringList tried = {dir_.filePath(QStringLiteral("bin/help/Zefra.html")),
                               dir_.filePath(QStringLiteral("share/zefra/help/Zefra.html"))};
    QDir(dir_.path()).mkpath(QStringLiteral("bin/help/Zefra.html")); // a folder is no document
    form_->setHelpCandidates([&](const QString &) { return tried; });
    action(*form_, "HowtoUseHelp1")->trigger();
    EXPECT_EQ(
        describe(boxes_.take()),
        "ｴﾗｰ: ヘルプを開けませんでした。\n\n次の場所に、読めるヘルプ文書がありませんでした。\n" +
            tried[0].toStdString() + "\n" + tried[1].toStdString() + " (error)");
    EXPECT_EQ(form_->helpWindow(), nullptr);
}

// A link that leaves the help goes to the desktop's browser.
TEST_F(FormTest, HelpLinksOutsideGoThroughTheUrlOpener)
{
    QList<QUrl> opened;
    form_->setUrlOpener([&](const QUrl &url) {
        opened << url;
        return true;
    });
    action(*form_, "HowtoUseHelp1")->trigger();
    ASSERT_TRUE(form_->helpWindow());
    const QUrl outside(QStringLiteral("https://example.org/zefra"));
    form_->helpWindow()->go(outside);
    EXPECT_EQ(opened, QList<QUrl>{outside});
    EXPECT_EQ(QFileInfo(form_->helpWindow()->browser()->source().toLocalFile()).fileName(),
              QStringLiteral("Zefra.html"));
}

TEST_F(FormTest, AboutBox)
{
    QString product, version;
    bool hasIcon = false;
    QTimer::singleShot(0, [&] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box)
            return;
        product = box->findChild<QLabel *>(QStringLiteral("ProductName"))->text();
        version = box->findChild<QLabel *>(QStringLiteral("Version"))->text();
        hasIcon = !box->findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().isNull();
    });
    action(*form_, "About1")->trigger();
    const auto seen = boxes_.take();
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].caption, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_EQ(seen[0].objectName, QStringLiteral("AboutBox"));
    EXPECT_EQ(product, QStringLiteral("Zefra"));
    EXPECT_EQ(version, QStringLiteral("Version 5.0"));
    EXPECT_TRUE(hasIcon);
    EXPECT_FALSE(form_->windowIcon().isNull());
}

// An exception that escapes an event handler reaches the failure box and
// the application goes on.
class Throwing : public QObject
{
protected:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            throw std::runtime_error("壊れた");
        return QObject::event(e);
    }
};

TEST_F(FormTest, EscapedExceptionReachesTheFailureBox)
{
    Throwing target;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&target, &event);
    EXPECT_EQ(describe(boxes_.take()), failureBox(QStringLiteral("壊れた.")));
    type("P_Fryo", QStringLiteral("1+1"));
    pressEnter("P_Fryo");
    EXPECT_EQ(text("P_Fryo"), QStringLiteral("2"));
}

} // namespace
