#include "cycle/StaleTemporaries.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <signal.h>
#include <unistd.h>

namespace {

bool stillRuns(pid_t pid)
{
    // EPERM: the process is there, it only belongs to someone else.
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

} // namespace

void removeStaleTemporaries(const std::string& folder)
{
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    DIR* entries = ::fdopendir(fd);
    if (entries == nullptr) {
        ::close(fd);
        return;
    }
    while (const dirent* entry = ::readdir(entries)) {
        pid_t pid = writerOfTemporary(entry->d_name);
        if (pid > 0 && pid != ::getpid() && !stillRuns(pid) && ::unlinkat(fd, entry->d_name, 0) != 0
            && (errno == EISDIR || errno == EPERM)) {
            // A folder: the half-made machine of a killed first start.
            std::error_code ignored;
            std::filesystem::remove_all(std::filesystem::path(folder.empty() ? "." : folder) / entry->d_name, ignored);
        }
    }
    ::closedir(entries);
}
