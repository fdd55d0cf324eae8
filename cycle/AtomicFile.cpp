#include "cycle/AtomicFile.h"

#include "cycle/Exception.h"
#include "cycle/FileDescriptor.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
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

// Removes the temporary file unless it has been renamed over the target.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target)
    {
        static std::atomic<unsigned> counter { 0 };
        auto slash = target.rfind('/');
        std::string prefix = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
        std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
        for (int attempt = 0; attempt < 100; ++attempt) {
            m_path = prefix + "." + base + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
            // Mode 0666 lets the umask decide, as for any newly created file.
            int fd = ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0) {
                m_fd = std::make_unique<FileDescriptor>(fd);
                return;
            }
            if (errno != EEXIST)
                break;
        }
        m_path.clear();
    }
    ~TemporaryFile()
    {
        if (m_fd)
            m_fd->close();
        if (!m_path.empty())
            ::unlink(m_path.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool isOpen() const { return m_fd && m_fd->isOpen(); }
    int fd() const { return m_fd->get(); }
    bool close() { return m_fd->close(); }

    bool renameOver(const std::string& target)
    {
        if (::rename(m_path.c_str(), target.c_str()) != 0)
            return false;
        m_path.clear();
        return true;
    }

private:
    std::string m_path;
    std::unique_ptr<FileDescriptor> m_fd;
};

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

// Makes the rename itself durable; a folder that can't be synced is no reason to fail the write.
void syncFolder(const std::string& folder)
{
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.isOpen())
        ::fsync(dir.get());
}

} // namespace

void writeFileAtomically(const std::string& path, std::string_view bytes, std::string_view failurePattern)
{
    const std::string target = followLinks(path);
    struct stat existing { };
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (path.empty() || target.back() == '/' || (exists && !S_ISREG(existing.st_mode)))
        throw Exception(formatMessage(failurePattern, path));

    TemporaryFile temporary(target);
    bool written = temporary.isOpen() && writeAll(temporary.fd(), bytes)
        && (!exists || ::fchmod(temporary.fd(), existing.st_mode & 07777) == 0) && ::fsync(temporary.fd()) == 0
        && temporary.close() && temporary.renameOver(target);
    if (!written)
        throw Exception(formatMessage(failurePattern, path));
    syncFolder(folderOf(target));
}
