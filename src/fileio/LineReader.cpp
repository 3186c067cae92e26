#include "fileio/LineReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace fileio {

namespace {

constexpr std::size_t kChunkSize = 64 * 1024;

} // namespace

LineReader::LineReader(int fd, std::size_t keep) : fd_(fd), keep_(keep), buffer_(kChunkSize, '\0')
{
}

bool LineReader::refill()
{
    while (!finished_) {
        const ssize_t n = ::read(fd_, buffer_.data(), buffer_.size());
        if (n > 0) {
            pos_ = 0;
            end_ = static_cast<std::size_t>(n);
            return true;
        }
        if (n < 0 && errno == EINTR)
            continue;
        finished_ = true; // end of file, or a read error: stop either way
    }
    return false;
}

bool LineReader::Next(std::string &line)
{
    line.clear();
    bool anyByte = false;
    while (pos_ < end_ || refill()) {
        anyByte = true;
        const char *start = buffer_.data() + pos_;
        const std::size_t available = end_ - pos_;
        const void *newline = std::memchr(start, '\n', available);
        const std::size_t length =
            newline ? static_cast<std::size_t>(static_cast<const char *>(newline) - start)
                    : available;
        if (line.size() < keep_)
            line.append(start, std::min(length, keep_ - line.size()));
        if (newline) {
            pos_ += length + 1;
            return true;
        }
        pos_ = end_;
    }
    return anyByte;
}

} // namespace fileio
