#include "cycle/AtomicFileWriter.h"

#include "cycle/Exception.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Big enough that a million short lines take a few dozen system calls, small enough never to matter.
constexpr std::size_t bufferSize = 1 << 20;

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

// Makes the rename itself durable; a folder that can't be synced is no reason to fail the write.
void syncFolder(const std::string& folder)
{
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.isOpen())
        ::fsync(dir.get());
}

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

} // namespace

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
        m_keepsMode = true;
        m_mode = existing.st_mode & 07777;
    }
    if (m_path.empty() || m_target.back() == '/')
        fail();

    static std::atomic<unsigned> counter { 0 };
    auto slash = m_target.rfind('/');
    std::string prefix = slash == std::string::npos ? std::string() : m_target.substr(0, slash + 1);
    std::string base = slash == std::string::npos ? m_target : m_target.substr(slash + 1);
    for (int attempt = 0; attempt < 100 && !m_file.isOpen(); ++attempt) {
        std::string temporary
            = prefix + "." + base + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        // Mode 0666 lets the umask decide, as for any newly created file.
        m_file = FileDescriptor(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (m_file.isOpen())
            m_temporary = std::move(temporary);
        else if (errno != EEXIST)
            break;
    }
    if (!m_file.isOpen())
        fail();
    m_buffer.reserve(bufferSize);
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

void AtomicFileWriter::flush()
{
    if (!writeAll(m_file.get(), m_buffer))
        fail();
    m_buffer.clear();
}

void AtomicFileWriter::write(std::string_view bytes)
{
    if (!m_file.isOpen())
        fail();
    if (m_buffer.size() + bytes.size() <= bufferSize) {
        m_buffer += bytes;
        return;
    }
    flush();
    if (bytes.size() < bufferSize)
        m_buffer += bytes;
    else if (!writeAll(m_file.get(), bytes))
        fail();
}

void AtomicFileWriter::commit()
{
    if (!m_file.isOpen())
        fail();
    flush();
    if ((m_keepsMode && ::fchmod(m_file.get(), m_mode) != 0) || ::fsync(m_file.get()) != 0 || !m_file.close()
        || ::rename(m_temporary.c_str(), m_target.c_str()) != 0)
        fail();
    m_temporary.clear();
    syncFolder(folderOf(m_target));
}
