#pragma once

#include <cstddef>
#include <string_view>

namespace fileio {

// The first bytes of an open file, mapped read-only rather than read: a
// large file is looked at once, in place, without a copy of its own.
class MappedFile
{
public:
    // Maps `size` bytes of `fd` (nothing to map for 0); `populate` reads them
    // all in at once, for a file that will be read through. valid() is false
    // when the mapping failed, errno telling why.
    MappedFile(int fd, std::size_t size, bool populate);
    ~MappedFile();
    MappedFile(const MappedFile &) = delete;
    MappedFile &operator=(const MappedFile &) = delete;

    bool valid() const { return valid_; }
    std::string_view bytes() const { return {static_cast<const char *>(map_), size_}; }

private:
    void *map_ = {};
    std::size_t size_ = 0;
    bool valid_ = true;
};

} // namespace fileio
