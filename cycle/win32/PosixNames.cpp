#include "cycle/win32/PosixNames.h"

#include <cerrno>
#include <cstring>
#include <random>
#include <windows.h>

ssize_t pread(int fd, void* buffer, size_t count, off_t offset)
{
    auto file = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    if (file == INVALID_HANDLE_VALUE) {
        errno = EBADF;
        return -1;
    }
    OVERLAPPED at {};
    const auto where = static_cast<unsigned long long>(offset);
    at.Offset = static_cast<DWORD>(where);
    at.OffsetHigh = static_cast<DWORD>(where >> 32);
    DWORD got = 0;
    const auto wanted = static_cast<DWORD>(count > 0x40000000u ? 0x40000000u : count);
    if (!ReadFile(file, buffer, wanted, &got, &at)) {
        if (GetLastError() == ERROR_HANDLE_EOF)
            return 0;
        errno = EIO;
        return -1;
    }
    return static_cast<ssize_t>(got);
}

char* mkdtemp(char* pattern)
{
    const std::size_t length = std::strlen(pattern);
    if (length < 6 || std::strcmp(pattern + length - 6, "XXXXXX") != 0) {
        errno = EINVAL;
        return nullptr;
    }
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::minstd_rand pick(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        for (std::size_t at = length - 6; at < length; ++at)
            pattern[at] = letters[pick() % (sizeof letters - 1)];
        if (CreateDirectoryA(pattern, nullptr))
            return pattern;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            break;
    }
    errno = EEXIST;
    return nullptr;
}
