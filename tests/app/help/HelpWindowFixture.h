#pragma once

#include "app/help/HelpWindow.h"
#include "support/BoxRecorder.h"

#include <QTemporaryDir>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <memory>

// A help window, shown and active, on the documents beside the test program
// or on documents a test writes into a temporary folder.
class HelpWindowTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Shows the help whose front page is `document`.
    void open(const QString &document);
    // The shipped help (help/Zefra.html beside the test program).
    void openShipped();
    // Writes a document into the temporary folder; its path.
    QString write(const QString &name, const QString &body);

    QTextBrowser *browser() const { return help_->browser(); }
    // The file name and #fragment shown, e.g. "duct.html#loss".
    QString place() const;
    // Clicks the first link whose target is `href`, as the mouse does.
    void clickLink(const QString &href);
    void press(QKeySequence keys);
    // Types text into the focused field as an input method commits it.
    void commit(const QString &text);

    template <typename W> W *find(const char *name) const
    {
        W *w = help_->findChild<W *>(QString::fromLatin1(name));
        EXPECT_TRUE(w) << "no control " << name;
        return w;
    }

    QTemporaryDir dir_;
    std::unique_ptr<app::help::HelpWindow> help_;
    BoxRecorder boxes_;
};
