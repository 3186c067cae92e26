// The document's file and copy on disk: a save killed half way, the copy's
// own member, the recent list.
#include "app/document/DocumentFiles.h"
#include "app/document/RecentFiles.h"
#include "app/document/RecoveryCopy.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Units = ::losssheet::UnitSystem;

::document::Document Sized(int charts, const std::string &name)
{
    ::document::Document d = ::document::NewDocument({name, "設計者", "", ""}, "線図");
    d.charts.clear();
    for (int c = 0; c < charts; ++c) {
        ::document::Chart chart;
        chart.name = name + std::to_string(c);
        for (int p = 1; p <= 30; ++p) {
            ::document::Point point;
            point.id = p;
            point.label = "P" + std::to_string(p);
            point.definition = chart::FromDryBulbAndHumidityRatio(20 + p * 0.1L, 0.008L);
            chart.points.push_back(point);
        }
        d.charts.push_back(chart);
    }
    return d;
}

// A child killed at any moment of saving leaves the old file or the new one,
// whole, and once saved again no temporary beside it.
TEST(DocumentFiles, KilledSaveLeavesTheOldOrTheNewFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("work.zefra"));
    const ::document::Document oldDoc = Sized(40, "old");
    const ::document::Document newDoc = Sized(40, "new");
    const QByteArray oldBytes = app::document::DocumentFileBytes(oldDoc, Units::Conventional).bytes;
    const QByteArray newBytes = app::document::DocumentFileBytes(newDoc, Units::Conventional).bytes;
    ASSERT_TRUE(app::document::SaveDocumentFile(file, oldDoc, Units::Conventional));
    const int delaysUs[] = {0, 200, 1000, 3000, 8000, 20000};
    for (int delay : delaysUs) {
        SCOPED_TRACE(delay);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) {
                (void)app::document::SaveDocumentFile(file, newDoc, Units::Conventional);
                (void)app::document::SaveDocumentFile(file, oldDoc, Units::Conventional);
            }
        }
        usleep(static_cast<useconds_t>(delay));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        QFile read(file);
        ASSERT_TRUE(read.open(QIODevice::ReadOnly));
        const QByteArray bytes = read.readAll();
        EXPECT_TRUE(bytes == oldBytes || bytes == newBytes) << bytes.size();
    }
    ASSERT_TRUE(app::document::SaveDocumentFile(file, oldDoc, Units::Conventional));
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    EXPECT_EQ(left, QStringList{QStringLiteral("work.zefra")});
}

// The copy carries its path and mark, and gives the document back without
// its own member; another member a newer version wrote stays.
TEST(DocumentFiles, RecoveryCopyKeepsPathAndMark)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("recovery.zefra"));
    const struct
    {
        const char *name;
        QString path;
        bool modified;
    } cases[] = {
        {"untitled, modified", {}, true},
        {"saved", QStringLiteral("/home/u/事務所ビル.zefra"), false},
        {"saved, modified", QStringLiteral("/tmp/a b.zefra"), true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        app::document::Work work{Sized(2, "x"), c.path, c.modified};
        work.document.kept.push_back(
            {"charts", "fromNewer", ::document::json::Value::Boolean(true)});
        app::document::RecoveryWriter writer;
        writer.setFile(copy);
        ASSERT_TRUE(writer.writeNow(work, Units::Conventional));
        const app::document::RecoveryRead read =
            app::document::ReadRecoveryCopy(copy, Units::Conventional);
        ASSERT_TRUE(read.found);
        ASSERT_TRUE(read.work) << read.problem.toStdString();
        EXPECT_EQ(read.work->path, c.path);
        EXPECT_EQ(read.work->modified, c.modified);
        EXPECT_TRUE(read.work->document == work.document);
    }
    // A document file without the copy's member is no copy.
    ASSERT_TRUE(app::document::SaveDocumentFile(copy, Sized(1, "y"), Units::Conventional));
    const auto plain = app::document::ReadRecoveryCopy(copy, Units::Conventional);
    EXPECT_TRUE(plain.found);
    EXPECT_FALSE(plain.work);
    EXPECT_FALSE(app::document::ReadRecoveryCopy(dir.filePath("none"), Units::Conventional).found);
}

TEST(DocumentFiles, RecentFilesOrderAndCap)
{
    const struct
    {
        const char *name;
        QStringList stored;
        QStringList used;
        QStringList expect;
    } cases[] = {
        {"newest first", {}, {"a", "b", "c"}, {"c", "b", "a"}},
        {"used again moves up", {"a", "b", "c"}, {"c"}, {"c", "a", "b"}},
        {"stored repeats and blanks go", {"a", "", "a", "b"}, {}, {"a", "b"}},
        {"cap of eight",
         {},
         {"1", "2", "3", "4", "5", "6", "7", "8", "9"},
         {"9", "8", "7", "6", "5", "4", "3", "2"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        app::document::RecentFiles recent;
        recent.restore(c.stored);
        for (const QString &path : c.used)
            recent.use(path);
        EXPECT_EQ(recent.paths(), c.expect);
    }
}

} // namespace
