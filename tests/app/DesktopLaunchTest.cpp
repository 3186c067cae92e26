// The calculator the menu item 電卓 starts: the first of the known programs
// found on the PATH, in the order of the one list of them.
#include "app/DesktopLaunch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A folder of stand-in programs as the only PATH, for the test's length.
class FakePath
{
public:
    FakePath() : saved_(qgetenv("PATH")) { qputenv("PATH", dir_.path().toLocal8Bit()); }
    ~FakePath() { qputenv("PATH", saved_); }
    FakePath(const FakePath &) = delete;
    FakePath &operator=(const FakePath &) = delete;

    void install(const QString &name) const
    {
        QFile program(QDir(dir_.path()).filePath(name));
        ASSERT_TRUE(program.open(QIODevice::WriteOnly));
        program.write("#!/bin/sh\n");
        program.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    QString path(const QString &name) const { return QDir(dir_.path()).filePath(name); }

private:
    QTemporaryDir dir_;
    QByteArray saved_;
};

TEST(DesktopLaunchTest, StartsTheFirstKnownCalculatorFound)
{
    const struct
    {
        const char *name;
        QStringList installed;
        QStringList failing; // installed but refusing to start
        QString started;     // empty: none
    } cases[] = {
        {"none installed", {}, {}, {}},
        {"the last one", {"xcalc"}, {}, "xcalc"},
        {"the earlier of two", {"xcalc", "kcalc"}, {}, "kcalc"},
        {"the next when one fails",
         {"gnome-calculator", "galculator"},
         {"gnome-calculator"},
         "galculator"},
        {"an unknown program", {"calc"}, {}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const FakePath path;
        for (const QString &name : c.installed)
            path.install(name);
        QStringList tried;
        const bool started = app::StartCalculator([&](const QString &program) {
            tried << program;
            return !c.failing.contains(QFileInfo(program).fileName());
        });
        EXPECT_EQ(started, !c.started.isEmpty());
        if (started) {
            EXPECT_EQ(tried.last(), path.path(c.started));
        }
    }
}

} // namespace
