#include "cycle/RegularFile.h"

#include "cycle/Exception.h"

#include <cerrno>
#include <fcntl.h>

#ifndef O_NONBLOCK
#define O_NONBLOCK 0 // Windows has no FIFOs that block at open
#endif
#ifndef O_CLOEXEC
#define O_CLOEXEC 0
#endif
#ifndef O_BINARY
#define O_BINARY 0
#endif

FileDescriptor openRegularFile(const std::string& path, struct stat& status)
{
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_BINARY));
    if (!file.isOpen()) {
        // A FIFO without a writer opens at once with O_NONBLOCK, so a failure here is a real one,
        // except for a socket, which can't be opened at all.
        struct stat named { };
        if (::stat(path.c_str(), &named) == 0 && !S_ISREG(named.st_mode) && !S_ISDIR(named.st_mode))
            throw Exception(formatMessage("%s is not a regular file", path));
        return file;
    }
    if (::fstat(file.get(), &status) != 0)
        return FileDescriptor();
    if (S_ISDIR(status.st_mode))
        return FileDescriptor();
    if (!S_ISREG(status.st_mode))
        throw Exception(formatMessage("%s is not a regular file", path));
#ifdef F_SETFL
    // Reads from a regular file never block anyway; clear the flag so no read returns EAGAIN.
    ::fcntl(file.get(), F_SETFL, ::fcntl(file.get(), F_GETFL) & ~O_NONBLOCK);
#endif
    return file;
}

FileDescriptor openRegularFile(const std::string& path)
{
    struct stat status { };
    return openRegularFile(path, status);
}

std::FILE* openRegularStream(const std::string& path)
{
    struct stat status { };
    FileDescriptor file = openRegularFile(path, status);
    if (!file.isOpen()) {
        if (S_ISDIR(status.st_mode))
            errno = EISDIR;
        return nullptr;
    }
    std::FILE* stream = ::fdopen(file.get(), "rb");
    if (stream)
        file.release();
    return stream;
}
