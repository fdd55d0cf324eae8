#include "cycle/AtomicFileWriter.h"

#include "cycle/Exception.h"
#include "cycle/FileWriteAll.h"
#include "cycle/StaleTemporaries.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Writing through a link keeps the link (a win.ini linked into a mounted disk image stays linked).
std::string followLinks(const std::string& path)
{
    struct stat status { };
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
        return path;
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr)
        return path;
    return resolved;
}

std::string folderOf(const std::string& path)
{
    auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string siblingOf(const std::string& path, const std::string& name)
{
    auto slash = path.rfind('/');
    return slash == std::string::npos ? name : path.substr(0, slash + 1) + name;
}

// Makes the rename itself durable; a folder that can't be synced is no reason to fail the write.
void syncFolder(const std::string& folder)
{
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.isOpen())
        ::fsync(dir.get());
}

} // namespace

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

AtomicFileWriter::AtomicFileWriter(std::string path, std::string_view failurePattern)
    : m_path(std::move(path))
    , m_failurePattern(failurePattern)
    , m_target(followLinks(m_path))
{
    struct stat existing { };
    if (::stat(m_target.c_str(), &existing) == 0) {
        // A file the user made read-only is refused, as it would be where it is written in place:
        // replacing it by rename would slip past the protection.
        if (!S_ISREG(existing.st_mode) || (existing.st_mode & 0222) == 0)
            fail();
        m_existed = true;
        m_permissions = existing.st_mode & 07777;
        m_owner = existing.st_uid;
        m_group = existing.st_gid;
    }
    if (m_path.empty() || m_target.back() == '/')
        fail();

    const std::string folder = folderOf(m_target);
    removeStaleTemporaries(folder);
    if (!openUnnamed(folder) && !openNamed()) {
        bool folderRefuses = errno == EACCES || errno == EPERM;
        if (!folderRefuses || !m_existed || !openInPlace())
            fail();
    }
    if (m_mode != Mode::InPlace)
        m_buffer.reserve(bufferSize);
}

bool AtomicFileWriter::openUnnamed(const std::string& folder)
{
    // The unnamed file gets its name through its /proc link; without /proc it could never get one.
    if (::access("/proc/self/fd", X_OK) != 0)
        return false;
    // Mode 0666 lets the umask decide, as for any newly created file.
    m_file = FileDescriptor(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    m_mode = Mode::Unnamed;
    return m_file.isOpen();
}

bool AtomicFileWriter::openNamed()
{
    const std::string name = nameOf(m_target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string temporary = siblingOf(m_target, temporaryFileName(name, ::getpid(), nextTemporaryNumber()));
        m_file = FileDescriptor(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (m_file.isOpen()) {
            m_temporary = std::move(temporary);
            m_mode = Mode::Named;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool AtomicFileWriter::openInPlace()
{
    m_file = FileDescriptor(::open(m_target.c_str(), O_WRONLY | O_CLOEXEC));
    m_mode = Mode::InPlace;
    return m_file.isOpen();
}

// The name lives only from here to the rename, so that a kill leaves a named file only in between.
bool AtomicFileWriter::nameTemporary()
{
    const std::string link = "/proc/self/fd/" + std::to_string(m_file.get());
    const std::string name = nameOf(m_target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string temporary = siblingOf(m_target, temporaryFileName(name, ::getpid(), nextTemporaryNumber()));
        if (::linkat(AT_FDCWD, link.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            m_temporary = std::move(temporary);
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

AtomicFileWriter::~AtomicFileWriter()
{
    m_file.close();
    if (!m_temporary.empty())
        ::unlink(m_temporary.c_str());
}

void AtomicFileWriter::fail()
{
    m_file.close();
    if (!m_temporary.empty())
        ::unlink(m_temporary.c_str());
    m_temporary.clear();
    throw Exception(formatMessage(m_failurePattern, m_path));
}

void AtomicFileWriter::sync()
{
    if (!m_file.isOpen())
        fail();
    if (m_mode == Mode::InPlace)
        return;
    flush();
    const int fd = m_file.get();
    // Owner first: a change of owner clears the set-user and set-group bits that fchmod restores.
    if (m_existed && (m_owner != ::geteuid() || m_group != ::getegid())) {
        if (::fchown(fd, m_owner, m_group) != 0 && ::fchown(fd, static_cast<uid_t>(-1), m_group) != 0) {
            // Not permitted: the file becomes this process's, as any file it creates.
        }
    }
    if ((m_existed && ::fchmod(fd, m_permissions) != 0) || ::fsync(fd) != 0)
        fail();
    m_synced = true;
}

void AtomicFileWriter::commit()
{
    if (!m_file.isOpen())
        fail();
    if (m_mode == Mode::InPlace) {
        commitInPlace();
        return;
    }
    if (!m_synced)
        sync();
    if ((m_mode == Mode::Unnamed && !nameTemporary()) || !m_file.close()
        || ::rename(m_temporary.c_str(), m_target.c_str()) != 0)
        fail();
    m_temporary.clear();
    syncFolder(folderOf(m_target));
}

namespace {

bool holds(int fd, std::string_view expected)
{
    std::string bytes(expected.size() + 1, '\0');
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size())
            return false;
        ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got == 0 && std::string_view(bytes.data(), filled) == expected;
        filled += static_cast<std::size_t>(got);
    }
}

bool holds(const std::string& path, std::string_view expected)
{
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status { };
    return file.isOpen() && ::fstat(file.get(), &status) == 0 && S_ISREG(status.st_mode) && holds(file.get(), expected);
}

// The file that the swap took out of place: nobody can open it by the target's name any more, so
// once no one holds it open for writing (a read lease is refused while someone does) its bytes are
// final. A file system without leases leaves only the bytes to tell.
bool untouched(const std::string& displaced, std::string_view expected)
{
    FileDescriptor file(::open(displaced.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file.isOpen())
        return false;
    if (::fcntl(file.get(), F_SETLEASE, F_RDLCK) == 0)
        ::fcntl(file.get(), F_SETLEASE, F_UNLCK);
    else if (errno == EAGAIN)
        return false;
    return holds(file.get(), expected);
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

bool AtomicFileWriter::commitUnlessChanged(std::string_view expected)
{
    if (!m_file.isOpen())
        fail();
    if (m_mode == Mode::InPlace) {
        if (!holds(m_target, expected))
            return drop();
        commitInPlace();
        return true;
    }
    if (!m_synced)
        sync();
    struct stat ours { };
    if (::fstat(m_file.get(), &ours) != 0 || (m_mode == Mode::Unnamed && !nameTemporary()) || !m_file.close())
        fail();
    // Everything slow (writing, flushing) is done: from here to the swap is a read of the file.
    if (!holds(m_target, expected))
        return drop();
    if (::renameat2(AT_FDCWD, m_temporary.c_str(), AT_FDCWD, m_target.c_str(), RENAME_EXCHANGE) != 0) {
        if (errno == ENOENT)
            return drop(); // removed since the check
        if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
            fail();
        // No swap on this file system: an edit landing between the check and the rename is lost.
        if (::rename(m_temporary.c_str(), m_target.c_str()) != 0)
            fail();
        m_temporary.clear();
        syncFolder(folderOf(m_target));
        return true;
    }
    if (untouched(m_temporary, expected)) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
        syncFolder(folderOf(m_target));
        return true;
    }
    // Another program saved between the check and the swap: its file goes back in place. Should it
    // have saved over ours in that moment too, the newer of its two files is the one kept.
    struct stat back { };
    if (::renameat2(AT_FDCWD, m_temporary.c_str(), AT_FDCWD, m_target.c_str(), RENAME_EXCHANGE) != 0
        || ::lstat(m_temporary.c_str(), &back) != 0 || !sameFile(back, ours)) {
        // The temporary's name holds a file of the other program's, which is never ours to remove.
        ::rename(m_temporary.c_str(), m_target.c_str());
        m_temporary.clear();
    }
    return drop();
}

bool AtomicFileWriter::drop()
{
    m_file.close();
    if (!m_temporary.empty())
        ::unlink(m_temporary.c_str());
    m_temporary.clear();
    return false;
}

// Room for the new contents is claimed before the first byte changes, so a full disk refuses the
// write while the old contents are still whole.
void AtomicFileWriter::commitInPlace()
{
    const int fd = m_file.get();
    const auto size = static_cast<off_t>(m_buffer.size());
    if (size > 0 && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) != 0
        && (errno == ENOSPC || errno == EDQUOT || errno == EFBIG))
        fail();
    if (::lseek(fd, 0, SEEK_SET) != 0 || !writeAll(fd, m_buffer) || ::ftruncate(fd, size) != 0 || ::fsync(fd) != 0
        || !m_file.close())
        fail();
    m_buffer.clear();
}
