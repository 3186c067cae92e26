#pragma once

#include "app/D_Kokei.h"
#include "support/BoxRecorder.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// A fresh main window for every test, shown and active, with its settings
// file in a temporary folder. Every modal box is closed and recorded.
using app::TDuctForm;

class FormTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the window; tests that prepare a settings file call this
    // themselves after writing it.
    void openForm();
    QString settingsFile() const { return dir_.filePath(QStringLiteral("zefra.ini")); }

    template <typename W = QWidget> W *find(const char *name) const
    {
        W *w = form_->findChild<W *>(QString::fromLatin1(name));
        EXPECT_TRUE(w) << "no control " << name;
        return w;
    }
    QLineEdit *edit(const char *name) const { return find<QLineEdit>(name); }
    QString text(const char *name) const { return edit(name)->text(); }

    void showPage(int index);
    // The control that has the keyboard focus in the window (also while no
    // window is active, after a modal box closed).
    QString focused() const;
    // Replaces the text of a field as the user would: focus, select all, type.
    void type(const char *name, const QString &text);
    void pressEnter(QWidget *w);
    void pressEnter(const char *name) { pressEnter(find(name)); }
    void pressTab(bool forward = true);

    // The texts of every entry field of the window, by name.
    QMap<QString, QString> allFieldTexts() const;

    QTemporaryDir dir_;
    std::unique_ptr<TDuctForm> form_;
    BoxRecorder boxes_;
    bool autoOpen_ = true;
};

// What a box showed, for compact comparisons.
std::string describe(const QList<BoxRecorder::Box> &boxes);
std::string warningBox(const char *text);
std::string failureBox(const QString &text);
