// Feeds arbitrary bytes to the settings-file reader as a file, and checks
// that the reader and the writer's edits agree: after a key is set in the
// text, it reads back as set and every other key reads as before; a batch of
// keys set in place gives the bytes of the single-key edits chained; and all
// keys read at once give what each read by itself gives.
#include "app/settings/IniEdit.h"
#include "app/settings/IniFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

struct Key
{
    const char *section;
    const char *key;
};

const Key kKeys[] = {{"Window", "Left"}, {"window", "TOP"}, {"Duct", "DStyle"},
                     {"AG", "Kaiko0"},   {"AG", "kaiko7"},  {"Button", "B1"}};

// One scratch file per process, removed at exit.
std::string scratchFile(int which)
{
    static std::string paths[2];
    if (paths[which].empty()) {
        // A file in memory where possible: rewriting a file on a disk file
        // system many times a second waits for the disk.
        std::string pattern = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/zefra-ini-fuzz-XXXXXX"
                                                              : "/tmp/zefra-ini-fuzz-XXXXXX";
        const int fd = ::mkstemp(pattern.data());
        if (fd < 0)
            std::abort();
        ::close(fd);
        paths[which] = pattern;
        std::atexit([] {
            for (const std::string &p : paths)
                ::unlink(p.c_str());
        });
    }
    return paths[which];
}

void writeFile(const std::string &path, std::string_view bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0)
        std::abort();
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n <= 0)
            std::abort();
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    ::close(fd);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const std::string original = scratchFile(0);
    writeFile(original, text);

    std::optional<std::string> before[std::size(kKeys)];
    for (std::size_t i = 0; i < std::size(kKeys); ++i) {
        before[i] = app::settings::ReadString(original, kKeys[i].section, kKeys[i].key);
        if (before[i] && before[i]->size() > 1023)
            std::abort();
        (void)app::settings::ReadInteger(original, kKeys[i].section, kKeys[i].key, 0);
    }
    // All keys from one reading give what each lookup by itself gives.
    std::vector<app::settings::KeyName> names;
    for (const Key &k : kKeys)
        names.push_back({k.section, k.key});
    const std::vector<std::optional<std::string>> all = app::settings::ReadStrings(original, names);
    for (std::size_t i = 0; i < std::size(kKeys); ++i) {
        if (all[i] != before[i])
            std::abort();
    }

    // Set the first key of the table with the text edit the writer uses.
    const std::string edited = scratchFile(1);
    writeFile(edited, app::settings::WithKeySet(text, kKeys[0].section, kKeys[0].key, "123"));
    if (app::settings::ReadInteger(edited, kKeys[0].section, kKeys[0].key, -1) != 123)
        std::abort();
    for (std::size_t i = 1; i < std::size(kKeys); ++i) {
        if (app::settings::ReadString(edited, kKeys[i].section, kKeys[i].key) != before[i])
            std::abort();
    }

    // A batch edits one text in place; it must give the bytes of the
    // single-key edits chained, and every key must read back as set.
    std::string chained(text);
    std::string inPlace(text);
    for (std::size_t i = 0; i < std::size(kKeys); ++i) {
        const std::string value = std::to_string(i);
        chained = app::settings::WithKeySet(chained, kKeys[i].section, kKeys[i].key, value);
        app::settings::SetKey(inPlace, kKeys[i].section, kKeys[i].key, value);
    }
    if (inPlace != chained)
        std::abort();
    writeFile(edited, inPlace);
    for (std::size_t i = 0; i < std::size(kKeys); ++i) {
        if (app::settings::ReadInteger(edited, kKeys[i].section, kKeys[i].key, -1) !=
            static_cast<std::int32_t>(i))
            std::abort();
    }
    return 0;
}
