#include "support/FormFixture.h"

#include <QApplication>
#include <QTabWidget>
#include <QTest>

void FormTest::SetUp()
{
    ASSERT_TRUE(dir_.isValid());
    if (autoOpen_)
        openForm();
}

void FormTest::openForm()
{
    form_ = std::make_unique<TDuctForm>(nullptr, settingsFile(),
                                        dir_.filePath(QStringLiteral("record")));
    form_->show();
    QApplication::setActiveWindow(form_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
}

void FormTest::TearDown()
{
    QTest::qWait(1);
    const auto left = boxes_.take();
    EXPECT_TRUE(left.isEmpty()) << "unexpected boxes: " << describe(left);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    form_.reset();
}

void FormTest::showPage(int index)
{
    form_->pageControl()->setCurrentIndex(index);
    QCoreApplication::processEvents();
}

QString FormTest::focused() const
{
    QWidget *w = form_->focusWidget();
    return w ? w->objectName() : QString();
}

void FormTest::type(const char *name, const QString &text)
{
    QLineEdit *field = edit(name);
    field->setFocus();
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else if (text.size() > 200)
        field->setText(text); // typing a very long text key by key takes too long
    else {
        for (QChar c : text) {
            if (c.unicode() >= 32 && c.unicode() < 127)
                QTest::keyClick(field, c.toLatin1());
            else // characters without a key of their own arrive as text
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
    }
}

void FormTest::pressEnter(QWidget *w)
{
    QTest::keyClick(w, Qt::Key_Return);
}

void FormTest::pressTab(bool forward)
{
    QWidget *w = form_->focusWidget();
    QTest::keyClick(w ? w : form_.get(), forward ? Qt::Key_Tab : Qt::Key_Backtab);
}

QMap<QString, QString> FormTest::allFieldTexts() const
{
    QMap<QString, QString> texts;
    for (QLineEdit *e : form_->findChildren<QLineEdit *>()) {
        if (!e->objectName().isEmpty())
            texts.insert(e->objectName(), e->text());
    }
    return texts;
}

std::string describe(const QList<BoxRecorder::Box> &boxes)
{
    std::string s;
    for (const auto &b : boxes) {
        if (!s.empty())
            s += " | ";
        const char *icon = b.icon == QMessageBox::Warning    ? "warning"
                           : b.icon == QMessageBox::Critical ? "error"
                                                             : "other";
        s += (b.caption + QStringLiteral(": ") + b.text).toStdString() + " (" + icon + ")";
    }
    return s;
}

std::string warningBox(const char *text)
{
    return "警告: " + std::string(text) + " (warning)";
}

std::string failureBox(const QString &text)
{
    return (QStringLiteral("Zefra: ") + text).toStdString() + " (error)";
}
