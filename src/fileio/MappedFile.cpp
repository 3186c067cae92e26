#include "fileio/MappedFile.h"

#include <sys/mman.h>

namespace fileio {

MappedFile::MappedFile(int fd, std::size_t size, bool populate)
{
    if (size == 0)
        return;
    void *map =
        ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | (populate ? MAP_POPULATE : 0), fd, 0);
    if (map == MAP_FAILED) {
        valid_ = false;
        return;
    }
    map_ = map;
    size_ = size;
}

MappedFile::~MappedFile()
{
    if (map_)
        ::munmap(map_, size_);
}

} // namespace fileio
