#pragma once

#include <cstdint>
#include <string>

// What tells one version of a file from another without reading it. Another program that writes
// the file, in place or by renaming a new one over it, changes at least one of these.
struct FileStamp {
    bool exists = false;
    std::uint64_t identity = 0; // the file's number on its device, where the system has one
    std::uint64_t size = 0;
    std::int64_t modified = 0; // nanoseconds
    std::int64_t changed = 0; // the status change time; where there is none, the creation time

    bool operator==(const FileStamp&) const = default;
};

// Looks at the file without opening it, so a FIFO or device never blocks; a missing file has
// `exists` false and nothing else.
FileStamp fileStamp(const std::string& path);
