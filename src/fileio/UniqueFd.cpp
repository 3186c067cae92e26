#include "fileio/UniqueFd.h"

#include <cerrno>
#include <unistd.h>

namespace fileio {

UniqueFd::~UniqueFd()
{
    const int error = errno; // a failure's reason outlives the descriptor's closing
    close();
    errno = error;
}

UniqueFd &UniqueFd::operator=(UniqueFd &&other) noexcept
{
    if (this != &other) {
        close();
        fd_ = other.release();
    }
    return *this;
}

int UniqueFd::release()
{
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

bool UniqueFd::close()
{
    if (fd_ < 0)
        return true;
    const int result = ::close(release());
    return result == 0 || errno == EINTR; // After EINTR the descriptor is gone on Linux.
}

bool WriteAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace fileio
