#include "cycle/FileStamp.h"

#include <sys/stat.h>

namespace {

std::int64_t nanoseconds(const timespec& time)
{
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

} // namespace

FileStamp fileStamp(const std::string& path)
{
    struct stat status { };
    FileStamp stamp;
    if (::stat(path.c_str(), &status) != 0)
        return stamp;
    stamp.exists = true;
    stamp.identity = static_cast<std::uint64_t>(status.st_ino);
    stamp.size = static_cast<std::uint64_t>(status.st_size);
    stamp.modified = nanoseconds(status.st_mtim);
    stamp.changed = nanoseconds(status.st_ctim);
    return stamp;
}
