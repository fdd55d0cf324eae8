#pragma once

// The few POSIX names that the core's file code uses and the Windows C runtime spells otherwise
// or lacks. Every source of the Windows build sees this first, so the core compiles unchanged.

#include <fcntl.h>
#include <io.h>
#include <sys/types.h>

#ifndef O_CLOEXEC
#define O_CLOEXEC _O_NOINHERIT
#endif

typedef int uid_t;
typedef int gid_t;

// The C runtime's flush of a file to the disk.
static inline int fsync(int fd)
{
    return _commit(fd);
}

#ifdef __cplusplus
// Reads at an offset without moving the file position, as POSIX pread does.
ssize_t pread(int fd, void* buffer, size_t count, off_t offset);

// Makes a new folder named after `pattern`, its last six "X" replaced; the pattern or null.
char* mkdtemp(char* pattern);
#endif
