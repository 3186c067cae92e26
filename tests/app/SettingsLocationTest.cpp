// The settings file the program really uses, found from where its executable
// is: a probe program (SettingsLocationProbe.cpp) opens and closes the real
// window from a folder laid out for each case, as an ordinary user.
#include "support/OrdinaryUser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

const std::string ProbeProgram = SETTINGS_PROBE;
const std::string ProbeSettings = "settings_location_probe.ini";
// "設備ソフト" in Shift-JIS: no valid UTF-8, and 0x5C, the second byte of
// "ソ", is "\" in ASCII.
const std::string ShiftJisFolder = "\x90\xdd\x94\xf5\x83\x5c\x83\x74\x83\x67";

struct Outcome
{
    std::string file;
    int page = -1;
    bool closed = false;
    std::vector<std::string> boxes;
};

// A scratch root with a home folder, program folders and the probe in them.
class Root
{
public:
    Root()
    {
        ::chmod(dir_.path().c_str(), 0755);
        folder("home", true);
        folder("run", true);
        ::chmod(path("run").c_str(), 0700);
        for (const char *name : {"probe.out", "probe.err"}) {
            WriteBytes(path(name), "");
            ordinary_user::Give(path(name));
        }
    }
    ~Root()
    {
        for (const std::string &name : sealed_)
            ::chmod(path(name).c_str(), 0755);
    }

    std::string path(const std::string &name) const { return dir_.file(name); }

    // A folder that the ordinary user can write, or that nobody but root can.
    void folder(const std::string &name, bool writable)
    {
        std::filesystem::create_directories(path(name));
        ::chmod(path(name).c_str(), 0755);
        if (writable) {
            ordinary_user::Give(path(name));
        } else {
            (void)::chown(path(name).c_str(), ::geteuid(), ::getegid());
            sealed_.push_back(name);
        }
    }
    // The probe program in a folder: hard-linked where possible, else copied.
    std::string install(const std::string &folderName) const
    {
        const std::string program = path(folderName + "/settings_location_probe");
        if (::link(ProbeProgram.c_str(), program.c_str()) != 0)
            std::filesystem::copy_file(ProbeProgram, program);
        return program;
    }
    // The unwritable folders lose their write bits (for a user who owns them).
    void seal() const
    {
        for (const std::string &name : sealed_)
            ::chmod(path(name).c_str(), 0555);
    }

    // Runs the probe as the ordinary user; nothing when that is impossible.
    std::optional<Outcome> run(const std::string &program, bool withXdgConfigHome) const
    {
        std::vector<std::string> environment = {"QT_QPA_PLATFORM=offscreen", "LANG=C.UTF-8",
                                                "HOME=" + path("home"),
                                                "XDG_RUNTIME_DIR=" + path("run")};
        if (withXdgConfigHome)
            environment.push_back("XDG_CONFIG_HOME=" + path("xdg"));
        std::vector<char *> envp;
        for (std::string &e : environment)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        const std::string out = path("probe.out");
        const std::string err = path("probe.err");
        const std::optional<int> status = ordinary_user::Run([&] {
            const int outFd = ::open(out.c_str(), O_WRONLY | O_TRUNC);
            const int errFd = ::open(err.c_str(), O_WRONLY | O_TRUNC);
            if (outFd < 0 || errFd < 0 || ::dup2(outFd, 1) < 0 || ::dup2(errFd, 2) < 0)
                return 126;
            char *argv[] = {const_cast<char *>(program.c_str()), nullptr};
            ::execve(program.c_str(), argv, envp.data());
            return 127;
        });
        if (!status)
            return std::nullopt;
        EXPECT_EQ(*status, 0) << ReadBytes(err);
        Outcome outcome;
        std::istringstream lines(ReadBytes(out));
        for (std::string line; std::getline(lines, line);) {
            const std::size_t eq = line.find('=');
            const std::string name = line.substr(0, eq);
            const std::string value = line.substr(eq + 1);
            if (name == "file")
                outcome.file = value;
            else if (name == "page")
                outcome.page = std::stoi(value);
            else if (name == "closed")
                outcome.closed = value == "1";
            else if (name == "box")
                outcome.boxes.push_back(value);
        }
        return outcome;
    }

private:
    TempDir dir_;
    std::vector<std::string> sealed_;
};

bool exists(const std::string &path)
{
    struct stat info
    {
    };
    return ::lstat(path.c_str(), &info) == 0;
}

void setActivePage(const std::string &file, int page)
{
    std::string text = ReadBytes(file);
    const std::size_t at = text.find("ActPage=");
    ASSERT_NE(at, std::string::npos) << text;
    text.replace(at, text.find('\n', at) - at, "ActPage=" + std::to_string(page));
    WriteBytes(file, text);
}

struct Case
{
    const char *name;
    // Lays out the folders and gives the program to start.
    std::function<std::string(Root &)> prepare;
    bool withXdgConfigHome;
    std::string expectedFile; // relative to the root
    std::string unusedFile;   // the other place, which must stay untouched
};

TEST(SettingsLocation, SavedAndReadBackWhereTheProgramCanWrite)
{
    const std::string userFile = "home/.config/zefra/zefra.ini";
    const Case cases[] = {
        // Portable use and the build tree, as the program always did.
        {"a folder of its own",
         [](Root &r) {
             r.folder("app", true);
             return r.install("app");
         },
         false, "app/" + ProbeSettings, userFile},
        {"a folder named in Shift-JIS",
         [](Root &r) {
             r.folder(ShiftJisFolder, true);
             return r.install(ShiftJisFolder);
         },
         false, ShiftJisFolder + "/" + ProbeSettings, userFile},
        // The executable's real path counts, not the link's.
        {"started through a link from a read-only folder",
         [](Root &r) {
             r.folder("app", true);
             r.folder("bin", false);
             const std::string program = r.install("app");
             ::symlink(program.c_str(), r.path("bin/zefra").c_str());
             return r.path("bin/zefra");
         },
         false, "app/" + ProbeSettings, userFile},
        // Installed for every user: ~/.config/zefra, made on the first save.
        {"a read-only program folder",
         [](Root &r) {
             r.folder("usr/bin", false);
             return r.install("usr/bin");
         },
         false, userFile, "usr/bin/" + ProbeSettings},
        // Root may write /usr/bin; an installed copy leaves it alone all the same.
        {"installed where the user may write",
         [](Root &r) {
             r.folder("usr/bin", true);
             r.folder("usr/share/zefra", true);
             return r.install("usr/bin");
         },
         false, userFile, "usr/bin/" + ProbeSettings},
        {"a read-only file beside the program, XDG_CONFIG_HOME set",
         [](Root &r) {
             r.folder("app", true);
             r.folder("xdg", true);
             WriteBytes(r.path("app/" + ProbeSettings), "[Page]\nActPage=1\n");
             ::chmod(r.path("app/" + ProbeSettings).c_str(), 0444);
             return r.install("app");
         },
         true, "xdg/zefra/zefra.ini", "app/" + ProbeSettings},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Root root;
        const std::string program = c.prepare(root);
        root.seal();
        const std::string expected = root.path(c.expectedFile);

        const std::optional<Outcome> first = root.run(program, c.withXdgConfigHome);
        if (!first)
            GTEST_SKIP() << "cannot run as an ordinary user here";
        EXPECT_EQ(first->file, expected);
        EXPECT_EQ(first->page, 0); // nothing read from elsewhere
        EXPECT_TRUE(first->closed);
        EXPECT_TRUE(first->boxes.empty()) << first->boxes.front();
        ASSERT_NE(ReadBytes(expected).find("[Button]\nB1=1\nB2=0\nK1=1\nK2=0\n"),
                  std::string::npos);
        const std::string unused = root.path(c.unusedFile);
        if (c.unusedFile == "app/" + ProbeSettings)
            EXPECT_EQ(ReadBytes(unused), "[Page]\nActPage=1\n"); // never written
        else
            EXPECT_FALSE(exists(unused));

        setActivePage(expected, 3);
        const std::optional<Outcome> second = root.run(program, c.withXdgConfigHome);
        ASSERT_TRUE(second);
        EXPECT_EQ(second->file, expected);
        EXPECT_EQ(second->page, 3);
        EXPECT_TRUE(second->closed);
    }
}

TEST(SettingsLocation, NeitherPlaceWritableKeepsTheFailureBox)
{
    Root root;
    root.folder("usr/bin", false);
    root.folder("home", false);
    const std::string program = root.install("usr/bin");
    root.seal();

    const std::optional<Outcome> outcome = root.run(program, false);
    if (!outcome)
        GTEST_SKIP() << "cannot run as an ordinary user here";
    const std::string userFile = root.path("home/.config/zefra/zefra.ini");
    EXPECT_EQ(outcome->file, userFile);
    EXPECT_FALSE(outcome->closed); // the first failed save keeps the window open
    ASSERT_EQ(outcome->boxes.size(), 1u);
    EXPECT_EQ(outcome->boxes[0], userFile + " に書き込めません.");
    EXPECT_FALSE(exists(root.path("home/.config")));
    EXPECT_FALSE(exists(root.path("usr/bin/" + ProbeSettings)));
}

} // namespace
