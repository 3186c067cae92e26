#pragma once

#include <cstddef>
#include <string>

namespace fileio {

// Reads lines from a file through a fixed buffer, keeping at most the first
// `keep` bytes of each line, so that a huge file takes bounded memory.
class LineReader
{
public:
    LineReader(int fd, std::size_t keep);
    // The next line without its "\n"; false at the end of the file or on a read error.
    bool Next(std::string &line);

private:
    bool refill();

    int fd_;
    std::size_t keep_;
    std::string buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool finished_ = false;
};

} // namespace fileio
