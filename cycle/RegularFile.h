#pragma once

#include "cycle/FileDescriptor.h"

#include <cstdio>
#include <string>
#include <sys/stat.h>

// Opens a file for reading only when it is a regular file (a link to one counts). A FIFO, device,
// socket or folder is refused without waiting: opening a FIFO that no one writes to blocks for
// good, and /dev/zero never ends. Throws "<path> is not a regular file" for those; returns a closed
// descriptor when the file can't be opened at all, so each caller keeps its own message for that.
// `status` receives the open file's status.
FileDescriptor openRegularFile(const std::string& path, struct stat& status);
FileDescriptor openRegularFile(const std::string& path);

// The same, as a stdio stream that reads bytes: null when the file can't be opened, errno telling
// why (EISDIR for a folder).
std::FILE* openRegularStream(const std::string& path);
