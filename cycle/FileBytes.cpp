#include "cycle/FileBytes.h"

#include "cycle/RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool readFileBytes(const std::string& path, std::string& bytes)
{
    struct stat status { };
    FileDescriptor file = openRegularFile(path, status);
    if (!file.isOpen())
        return false;

    // The size is only a hint: a file that grows or shrinks while being read is read to its end.
    std::string content;
    content.resize(static_cast<std::size_t>(status.st_size > 0 ? status.st_size : 0) + 1);
    std::size_t filled = 0;
    for (;;) {
        if (filled == content.size())
            content.resize(content.size() * 2 + 4096);
        ssize_t got = ::read(file.get(), content.data() + filled, content.size() - filled);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    content.resize(filled);
    bytes = std::move(content);
    return true;
}
