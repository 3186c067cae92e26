// Every kind of file the program exports goes through one adapter: whole or
// not at all, the old file kept on failure, nothing left beside it, and a
// reason the user can act on.
#include "app/files/SaveFile.h"

#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <functional>
#include <optional>
#include <set>
#include <string>

#include <sys/stat.h>

namespace files = app::files;

namespace {

// Draws a little text and a line, as the exports do.
bool paintSample(QPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.drawLine(0, 0, 100, 60);
    painter.drawText(10, 40, QStringLiteral("乾球温度"));
    return painter.end();
}

struct Format
{
    const char *name;
    std::function<files::SaveResult(const QString &path)> save;
    QByteArray start; // the first bytes of a file of this format
};

const Format kFormats[] = {
    {"CSV", [](const QString &path) { return files::SaveBytes(path, "a,b\r\n1,2\r\n"); }, "a,b"},
    {"PNG",
     [](const QString &path) {
         return files::SaveWith(path, [](QIODevice &device) {
             QImage image(64, 48, QImage::Format_ARGB32_Premultiplied);
             image.fill(Qt::white);
             return paintSample(image) && image.save(&device, "PNG");
         });
     },
     "\x89PNG"},
    {"SVG",
     [](const QString &path) {
         return files::SaveWith(path, [](QIODevice &device) {
             QSvgGenerator svg;
             svg.setOutputDevice(&device);
             svg.setSize(QSize(100, 60));
             return paintSample(svg);
         });
     },
     "<?xml"},
    {"PDF",
     [](const QString &path) {
         return files::SaveWith(path, [](QIODevice &device) {
             QPdfWriter writer(&device);
             return paintSample(writer);
         });
     },
     "%PDF-"},
};

const char kOld[] = "the old file\n";

struct Target
{
    const char *name;
    std::function<std::string(const TempDir &)> prepare; // lays out the folder, gives the path
    std::optional<std::string> old; // a file there before, by name, that must stay
    rlim_t sizeLimit;               // 0: none; else a disk this full
    const char *reason;             // nullptr: saved
};

std::string oldFile(const TempDir &dir)
{
    WriteBytes(dir.file("out"), kOld);
    return dir.file("out");
}

const Target kTargets[] = {
    {"new file", [](const TempDir &dir) { return dir.file("out"); }, std::nullopt, 0, nullptr},
    {"over an old file", oldFile, std::nullopt, 0, nullptr},
    {"full disk", oldFile, "out", 4, "ディスクの空きが足りません"},
    {"a folder",
     [](const TempDir &dir) {
         ::mkdir(dir.file("out").c_str(), 0755);
         return dir.file("out");
     },
     std::nullopt, 0, "同じ名前のフォルダーがあります"},
    {"a FIFO",
     [](const TempDir &dir) {
         ::mkfifo(dir.file("out").c_str(), 0600);
         return dir.file("out");
     },
     std::nullopt, 0, "通常のファイルではありません"},
    {"below a file",
     [](const TempDir &dir) {
         WriteBytes(dir.file("plain"), kOld);
         return dir.file("plain/out");
     },
     "plain", 0, "パスの途中にフォルダーでないものがあります"},
    {"a missing folder", [](const TempDir &dir) { return dir.file("missing/out"); }, std::nullopt,
     0, "フォルダーがありません"},
};

TEST(SaveFile, EveryFormatIsSavedWholeOrLeavesTheOldFileAndSaysWhy)
{
    for (const Format &format : kFormats) {
        for (const Target &target : kTargets) {
            SCOPED_TRACE(std::string(format.name) + " to " + target.name);
            TempDir dir;
            const std::string path = target.prepare(dir);
            const std::set<std::string> before = dir.entries();
            files::SaveResult saved;
            {
                std::optional<FileSizeLimit> limit;
                if (target.sizeLimit > 0)
                    limit.emplace(target.sizeLimit);
                saved = format.save(QString::fromStdString(path));
            }
            if (!target.reason) {
                EXPECT_TRUE(saved.saved) << saved.reason.toStdString();
                EXPECT_TRUE(saved.reason.isEmpty());
                EXPECT_TRUE(QByteArray::fromStdString(ReadBytes(path)).startsWith(format.start));
                EXPECT_EQ(dir.entries(), std::set<std::string>{"out"});
                continue;
            }
            EXPECT_FALSE(saved.saved);
            EXPECT_EQ(saved.reason.toStdString(), target.reason);
            if (target.old)
                EXPECT_EQ(ReadBytes(dir.file(*target.old)), kOld);
            EXPECT_EQ(dir.entries(), before) << "nothing left beside it";
        }
    }
}

TEST(SaveFile, AWriterThatFailsSavesNothing)
{
    TempDir dir;
    const std::string path = oldFile(dir);
    const files::SaveResult saved =
        files::SaveWith(QString::fromStdString(path), [](QIODevice &device) {
            device.write("half a document");
            return false;
        });
    EXPECT_FALSE(saved.saved);
    EXPECT_EQ(saved.reason, QStringLiteral("書き出す内容を作れませんでした"));
    EXPECT_EQ(ReadBytes(path), kOld);
    EXPECT_EQ(dir.entries(), std::set<std::string>{"out"});
}

} // namespace
