#include "app/help/HelpWindowFixture.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QTest>
#include <QTextBlock>

void HelpWindowTest::SetUp()
{
    ASSERT_TRUE(dir_.isValid());
    help_ = std::make_unique<app::help::HelpWindow>();
}

void HelpWindowTest::TearDown()
{
    QTest::qWait(1);
    EXPECT_TRUE(boxes_.take().isEmpty()) << "the help window never opens a box";
    help_.reset();
}

void HelpWindowTest::open(const QString &document)
{
    help_->present(document);
    QApplication::setActiveWindow(help_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(help_.get()));
}

void HelpWindowTest::openShipped()
{
    open(QCoreApplication::applicationDirPath() + QStringLiteral("/help/Zefra.html"));
}

QString HelpWindowTest::write(const QString &name, const QString &body)
{
    const QString path = dir_.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("<!DOCTYPE html><html lang=\"ja\"><head><meta charset=\"utf-8\">"
                              "</head><body>%1</body></html>")
                   .arg(body)
                   .toUtf8());
    return path;
}

QString HelpWindowTest::place() const
{
    const QUrl source = browser()->source();
    QString place = QFileInfo(source.toLocalFile()).fileName();
    if (source.hasFragment())
        place += QLatin1Char('#') + source.fragment();
    return place;
}

void HelpWindowTest::clickLink(const QString &href)
{
    const QTextDocument *document = browser()->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() != href)
                continue;
            // Just inside the link's first character, once it is in view.
            QTextCursor cursor(browser()->document());
            cursor.setPosition(fragment.position());
            browser()->setTextCursor(cursor);
            browser()->ensureCursorVisible();
            const QRect at = browser()->cursorRect(cursor);
            QTest::mouseClick(browser()->viewport(), Qt::LeftButton, {},
                              at.center() + QPoint(3, 0));
            return;
        }
    }
    ADD_FAILURE() << "no link to " << href.toStdString() << " in " << place().toStdString();
}

void HelpWindowTest::press(QKeySequence keys)
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : help_.get();
    QTest::keySequence(target, keys);
}

void HelpWindowTest::commit(const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(QApplication::focusWidget(), &event);
}
