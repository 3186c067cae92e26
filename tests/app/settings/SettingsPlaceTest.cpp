// Where the settings file goes: beside the program when a save can succeed
// there, else in the user's folder.
#include "app/settings/SettingsPlace.h"
#include "app/settings/IniFile.h"

#include "support/OrdinaryUser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>

namespace ini = app::settings;

namespace {

// "設備" in Shift-JIS: no valid UTF-8.
const std::string ShiftJisName = "\x90\xdd\x94\xf5";

// A scratch tree that an ordinary user may write in w/ but not in r/.
class Tree
{
public:
    Tree()
    {
        ::chmod(dir_.path().c_str(), 0755);
        mkdir("w", true);
        mkdir("r", false);
        mkdir("w/" + ShiftJisName, true);
    }
    ~Tree() { ::chmod(path("r").c_str(), 0755); }

    std::string path(const std::string &name) const { return dir_.file(name); }
    void mkdir(const std::string &name, bool writable) const
    {
        ::mkdir(path(name).c_str(), 0755);
        if (writable)
            ordinary_user::Give(path(name));
    }
    void file(const std::string &name, mode_t mode) const
    {
        WriteBytes(path(name), "[Page]\nActPage=1\n");
        ordinary_user::Give(path(name));
        ::chmod(path(name).c_str(), mode);
    }
    void link(const std::string &name, const std::string &target) const
    {
        ::symlink(path(target).c_str(), path(name).c_str());
    }
    // r/ becomes read-only once its contents are there.
    void seal() const { ::chmod(path("r").c_str(), 0555); }

private:
    TempDir dir_;
};

TEST(SettingsPlace, WritableExactlyWhereASaveSucceeds)
{
    // Expected: what ini::WriteString can do there, which the test checks too.
    const struct
    {
        const char *name;
        std::function<void(const Tree &)> prepare;
        const char *file;
        bool writable;
    } cases[] = {
        {"no file in a writable folder", [](const Tree &) {}, "w/zefra.ini", true},
        {"writable file", [](const Tree &t) { t.file("w/zefra.ini", 0644); }, "w/zefra.ini", true},
        {"read-only file", [](const Tree &t) { t.file("w/zefra.ini", 0444); }, "w/zefra.ini",
         false},
        // The new contents are renamed over the file: its folder must let that happen.
        {"writable file in a read-only folder", [](const Tree &t) { t.file("r/zefra.ini", 0666); },
         "r/zefra.ini", false},
        {"no file in a read-only folder", [](const Tree &) {}, "r/zefra.ini", false},
        {"missing folder", [](const Tree &) {}, "w/none/zefra.ini", false},
        {"a folder of that name", [](const Tree &t) { t.mkdir("w/zefra.ini", true); },
         "w/zefra.ini", false},
        // A link is kept and its target replaced, in the target's folder.
        {"link from a read-only folder to a writable file",
         [](const Tree &t) {
             t.file("w/zefra.ini", 0644);
             t.link("r/zefra.ini", "w/zefra.ini");
         },
         "r/zefra.ini", true},
        {"link from a writable folder into a read-only one",
         [](const Tree &t) {
             t.file("r/zefra.ini", 0666);
             t.link("w/zefra.ini", "r/zefra.ini");
         },
         "w/zefra.ini", false},
        {"folder name in Shift-JIS", [](const Tree &) {}, "w/\x90\xdd\x94\xf5/zefra.ini", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Tree tree;
        c.prepare(tree);
        tree.seal();
        const std::string file = tree.path(c.file);
        const std::optional<int> result = ordinary_user::Run([&] {
            const bool can = ini::CanWriteSettings(file);
            const bool wrote = ini::WriteInteger(file, "Page", "ActPage", 2);
            return (can ? 1 : 0) | (wrote ? 2 : 0);
        });
        if (!result)
            GTEST_SKIP() << "cannot run as an ordinary user here";
        EXPECT_EQ((*result & 1) != 0, c.writable);
        EXPECT_EQ((*result & 2) != 0, c.writable);
    }
    EXPECT_FALSE(ini::CanWriteSettings(""));
}

// The usual places are tried through the real window in
// SettingsLocationTest; these are the cases it cannot lay out.
TEST(SettingsPlace, ChoiceWithoutAnExecutablePathOrUserFolder)
{
    const Tree tree;
    for (const char *folder : {"w/usr", "w/usr/bin", "w/usr/share", "w/usr/share/zefra"})
        tree.mkdir(folder, true);
    tree.file("w/usr/bin/zefra.ini", 0644);
    tree.seal();
    const std::string user = tree.path("home/.config/zefra/zefra.ini");
    EXPECT_EQ(ini::ChooseSettingsFile(std::nullopt, user), user);
    // Nowhere better to go: the save then says it cannot write here.
    EXPECT_EQ(ini::ChooseSettingsFile(tree.path("r/zefra"), ""), tree.path("r/zefra.ini"));
    // An installed copy keeps a file that a previous version started beside it.
    EXPECT_EQ(ini::ChooseSettingsFile(tree.path("w/usr/bin/zefra"), user),
              tree.path("w/usr/bin/zefra.ini"));
}

TEST(SettingsPlace, MakesTheMissingFoldersPrivate)
{
    const Tree tree;
    EXPECT_TRUE(ini::MakeFolderFor(tree.path("w/a/b/zefra.ini")));
    for (const char *folder : {"w/a", "w/a/b"}) {
        SCOPED_TRACE(folder);
        struct stat info
        {
        };
        ASSERT_EQ(::stat(tree.path(folder).c_str(), &info), 0);
        EXPECT_TRUE(S_ISDIR(info.st_mode));
        EXPECT_EQ(info.st_mode & 0777, 0700u); // the XDG base directory rules
    }
    EXPECT_TRUE(ini::MakeFolderFor(tree.path("w/a/b/zefra.ini"))); // already there
    EXPECT_TRUE(ini::MakeFolderFor("zefra.ini"));                  // the current folder

    tree.file("w/plain", 0644);
    EXPECT_FALSE(ini::MakeFolderFor(tree.path("w/plain/zefra.ini")));
    EXPECT_FALSE(ini::MakeFolderFor(tree.path("w/plain/deeper/zefra.ini")));
}

} // namespace
