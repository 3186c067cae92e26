#pragma once

#include <optional>
#include <string>

#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

// Permission checks need an ordinary user: root writes through permission
// bits. Under root, tests run the part to check in a child process that
// becomes "nobody", and hand it the places it must be able to write.
namespace ordinary_user {

constexpr uid_t Nobody = 65534;
constexpr int CannotBecomeUser = 77;

// Runs work() in a child process as an ordinary user (this user, or nobody
// under root) and gives its int result (0 to 255) as the exit status;
// nothing when the child could not become that user.
template <typename Work> std::optional<int> Run(Work work)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0))
            ::_exit(CannotBecomeUser);
        ::_exit(work());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) == CannotBecomeUser)
        return std::nullopt;
    return WEXITSTATUS(status);
}

// Makes a file or folder this test made writable for the user of Run.
inline void Give(const std::string &path)
{
    if (::geteuid() == 0)
        (void)::chown(path.c_str(), Nobody, Nobody);
}

} // namespace ordinary_user
