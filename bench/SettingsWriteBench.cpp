// Time of one save of the window's 21 settings keys: 21 single-key writes
// (each a read, replace and flush of the whole file) against one batch write,
// for the small file a save normally meets and for a 10 MB one.
#include "app/settings/IniFile.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace ini = app::settings;

// The keys the window writes at close, in its order.
const ini::IntegerKey kSave[] = {
    {"Window", "Left", 120}, {"Window", "Top", 80}, {"Duct", "DStyle", 5}, {"Air", "SelBox", 0},
    {"Pipe", "PStyle", 2},   {"Pipe", "Temp", 2},   {"Pipe", "PSize", 2},  {"Page", "ActPage", 0},
    {"AG", "VHS", 0},        {"AG", "Kaiko0", 75},  {"AG", "Kaiko1", 75},  {"AG", "Kaiko2", 35},
    {"AG", "Kaiko3", 35},    {"AG", "Kaiko4", 60},  {"AG", "Kaiko5", 35},  {"AG", "Kaiko6", 60},
    {"AG", "Kaiko7", 90},    {"Button", "B1", 1},   {"Button", "B2", 0},   {"Button", "K1", 1},
    {"Button", "K2", 0},
};

// A settings file in a fresh directory on the disk the temporary directory
// is on: the window's keys after `junkBytes` of unknown keys.
class SettingsFile
{
public:
    explicit SettingsFile(std::size_t junkBytes)
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zefra-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        dir_ = pattern;
        path_ = (dir_ / "Zefra.ini").string();
        std::string text = "[Junk]\n";
        while (text.size() < junkBytes)
            text += "SomeUnknownKey" + std::to_string(text.size()) + "=some value of no interest\n";
        std::ofstream(path_, std::ios::binary) << text;
        if (!ini::WriteIntegers(path_, kSave))
            std::abort();
    }
    ~SettingsFile() { std::filesystem::remove_all(dir_); }
    const std::string &path() const { return path_; }

private:
    std::filesystem::path dir_;
    std::string path_;
};

void keyByKey(benchmark::State &state)
{
    const SettingsFile file(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        for (const ini::IntegerKey &k : kSave)
            benchmark::DoNotOptimize(ini::WriteInteger(file.path(), k.section, k.key, k.value));
    }
}

void batch(benchmark::State &state)
{
    const SettingsFile file(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ini::WriteIntegers(file.path(), kSave).written);
}

// A small file, as the window writes it, and one of 10 MB.
BENCHMARK(keyByKey)->Arg(0)->Arg(10'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(batch)->Arg(0)->Arg(10'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
