// The menu: calculator, help and the About box.
#include "support/FormFixture.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
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

TEST_F(FormTest, HelpOpensTheShippedDocument)
{
    QUrl opened;
    form_->setUrlOpener([&](const QUrl &url) {
        opened = url;
        return true;
    });
    action(*form_, "HowtoUseHelp1")->trigger();
    ASSERT_TRUE(opened.isLocalFile()) << describe(boxes_.take());
    EXPECT_EQ(QFileInfo(opened.toLocalFile()).fileName(), QStringLiteral("Zefra.html"));
    EXPECT_TRUE(QFileInfo::exists(opened.toLocalFile()));

    form_->setUrlOpener([](const QUrl &) { return false; });
    action(*form_, "HowtoUseHelp1")->trigger();
    EXPECT_EQ(describe(boxes_.take()), "ｴﾗｰ: ヘルプを開けませんでした。 (error)");
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
