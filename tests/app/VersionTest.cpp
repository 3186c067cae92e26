// The version is declared once, by project(VERSION) in the top
// CMakeLists.txt: the About box, --version, the AppStream release entry, the
// Debian changelog and the manual page all carry that one string.
#include "app/AboutBox.h"
#include "app/CommandLine.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

const QString ProjectVersion = QStringLiteral(ZEFRA_TEST_VERSION);

// The first capture of `pattern` in the file, or what went wrong.
QString firstCapture(const QString &path, const QString &pattern)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("(cannot read %1)").arg(path);
    const QRegularExpressionMatch match =
        QRegularExpression(pattern, QRegularExpression::MultilineOption)
            .match(QString::fromUtf8(file.readAll()));
    return match.hasMatch() ? match.captured(1) : QStringLiteral("(no version in %1)").arg(path);
}

TEST(Version, TheWindowAndTheCommandLineShowTheProjectVersion)
{
    const app::TAboutBox box(nullptr);
    const auto *label = box.findChild<QLabel *>(QStringLiteral("Version"));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->text(), QStringLiteral("Version ") + ProjectVersion);

    const auto answer =
        app::ReadCommandLine({QStringLiteral("zefra"), QStringLiteral("--version")});
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->out, QStringLiteral("Zefra ") + ProjectVersion + QLatin1Char('\n'));
}

// The files the package installs, as CMake wrote them into the build tree;
// the newest entry comes first in each.
TEST(Version, TheShippedFilesCarryTheProjectVersion)
{
    const struct
    {
        const char *file;
        const char *pattern;
    } cases[] = {
        {"io.github.zefra.zefra.metainfo.xml", R"re(<release version="([^"]*)")re"},
        {"changelog.Debian", R"re(^zefra \(([^)]*)-\d+\) )re"},
        {"zefra.1", R"re(^\.TH ZEFRA 1 "[^"]*" "Zefra ([^"]*)")re"},
    };
    const QDir folder(QStringLiteral(ZEFRA_TEST_VERSIONED_DIR));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(firstCapture(folder.filePath(QString::fromLatin1(c.file)),
                               QString::fromLatin1(c.pattern))
                      .toStdString(),
                  ProjectVersion.toStdString());
    }
}

} // namespace
