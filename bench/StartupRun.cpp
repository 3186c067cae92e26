// The helper of bench/startup.sh, in two modes:
//
//   startup_run journal FILE COUNT
//       writes a calculation record journal of COUNT duct sizings, as the
//       program would have journalled them;
//   startup_run once PROGRAM [ARGUMENT...]
//       starts PROGRAM once with ZEFRA_STARTUP_PROBE set (app/probe/
//       StartupProbe.h) and prints one line
//           <ms> <processor ms> <paint KiB> <peak KiB>
//       the time from just before the start to its first painted frame on
//       CLOCK_MONOTONIC, the processor time (user and system) it had used by
//       then, its peak resident memory at that frame, and its peak resident
//       memory over the whole run (wait4).
#include "app/record/journal/JournalLine.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace journal = app::record::journal;

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// Nine fields, as the duct page journals a sizing.
journal::Record ductSizing(int i)
{
    char id[17];
    std::snprintf(id, sizeof id, "%016x", i + 1);
    journal::Record r;
    r.id = id;
    r.time = {1'748'822'400'000LL + i * 60'000LL, 9 * 3600}; // from 2025-06-02 09:00 +09:00
    r.page = "ダクト計算";
    r.calculation = "ダクト寸法計算（圧損基準）";
    using journal::Role;
    r.fields = {{"S_Fryo", "風量", std::to_string(3600 + i), "m3/h", Role::Input},
                {"S_Atsu", "単位圧損", "1", "Pa/m", Role::Input},
                {"ComboBox1", "材質", "亜鉛鉄板（板状で縦方向に継目）", "", Role::Option},
                {"RadioButton1", "形状", "矩形ダクト", "", Role::Option},
                {"S_Width", "ダクト幅", "650", "mm", Role::Result},
                {"S_Height", "ダクト高さ", "300", "mm", Role::Result},
                {"S_Speed", "風速", "5.128", "m/s", Role::Result},
                {"S_Loss", "単位圧損", "0.9875", "Pa/m", Role::Result},
                {"S_Equiv", "相当直径", "457.012459777829", "mm", Role::Result}};
    return r;
}

int writeJournal(const char *file, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        journal::AppendLine(text, ductSizing(i));
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    return out.good() ? 0 : 1;
}

int runOnce(char **program)
{
    int output[2];
    if (::pipe(output) != 0) {
        std::perror("pipe");
        return 1;
    }
    if (!std::getenv("ZEFRA_STARTUP_PROBE"))
        ::setenv("ZEFRA_STARTUP_PROBE", "300", 1);

    const long long start = monotonicNanoseconds();
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(output[1], STDOUT_FILENO);
        ::close(output[0]);
        ::close(output[1]);
        ::execv(program[0], program);
        std::perror(program[0]);
        ::_exit(127);
    }
    ::close(output[1]);

    std::string lines;
    char buffer[4096];
    for (;;) {
        pollfd readable{output[0], POLLIN, 0};
        if (::poll(&readable, 1, 30'000) <= 0) {
            std::fprintf(stderr, "%s: no first paint within 30 s\n", program[0]);
            ::kill(child, SIGKILL);
            break;
        }
        const ssize_t n = ::read(output[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        lines.append(buffer, static_cast<std::size_t>(n));
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);

    long long paint = 0;
    long long processorUs = 0;
    long paintKiB = 0;
    const std::size_t at = lines.find("first-paint ");
    if (at == std::string::npos ||
        std::sscanf(lines.c_str() + at, "first-paint %lld %lld %ld", &paint, &processorUs,
                    &paintKiB) != 3 ||
        lines.find("settled ") == std::string::npos || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s: no measurement (output: %s)\n", program[0], lines.c_str());
        return 1;
    }
    std::printf("%.3f %.3f %ld %ld\n", static_cast<double>(paint - start) / 1e6,
                static_cast<double>(processorUs) / 1e3, paintKiB, usage.ru_maxrss);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 4 && std::strcmp(argv[1], "journal") == 0)
        return writeJournal(argv[2], std::atoi(argv[3]));
    if (argc >= 3 && std::strcmp(argv[1], "once") == 0)
        return runOnce(argv + 2);
    std::fprintf(stderr, "usage: %s journal FILE COUNT | once PROGRAM [ARGUMENT...]\n", argv[0]);
    return 2;
}
