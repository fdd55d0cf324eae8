#include "cycle/FileStamp.h"

#include <windows.h>

namespace {

std::int64_t nanoseconds(const FILETIME& time)
{
    ULARGE_INTEGER ticks;
    ticks.LowPart = time.dwLowDateTime;
    ticks.HighPart = time.dwHighDateTime;
    return static_cast<std::int64_t>(ticks.QuadPart) * 100;
}

} // namespace

// Windows keeps no status change time; the creation time stands in for it.
FileStamp fileStamp(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    FileStamp stamp;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return stamp;
    stamp.exists = true;
    stamp.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    stamp.modified = nanoseconds(data.ftLastWriteTime);
    stamp.changed = nanoseconds(data.ftCreationTime);
    return stamp;
}
