#pragma once

#include <string_view>

namespace fileio {

// An open file descriptor, closed when it goes.
class UniqueFd
{
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd();
    UniqueFd(UniqueFd &&other) noexcept : fd_(other.release()) {}
    UniqueFd &operator=(UniqueFd &&other) noexcept;
    UniqueFd(const UniqueFd &) = delete;
    UniqueFd &operator=(const UniqueFd &) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int release();
    // Closes now and tells whether the close succeeded (where a late write error shows).
    bool close();

private:
    int fd_ = -1;
};

// Writes all of `data` to `fd`, going on after a signal interrupts a write;
// false on the first error, errno telling why.
bool WriteAll(int fd, std::string_view data);

} // namespace fileio
