#include "cycle/StaleTemporaries.h"

#include <cerrno>
#include <charconv>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <string_view>
#include <unistd.h>

namespace {

bool allDigits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

bool stillRuns(pid_t pid)
{
    // EPERM: the process is there, it only belongs to someone else.
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

} // namespace

std::string temporaryFileName(const std::string& name, pid_t pid, unsigned number)
{
    return "." + name + ".tmp" + std::to_string(pid) + "-" + std::to_string(number);
}

pid_t writerOfTemporary(const std::string& name)
{
    std::string_view rest(name);
    auto marker = rest.rfind(".tmp");
    if (rest.size() < 2 || rest.front() != '.' || marker == std::string_view::npos || marker < 2)
        return 0;
    rest.remove_prefix(marker + 4);
    auto dash = rest.find('-');
    if (dash == std::string_view::npos || !allDigits(rest.substr(0, dash)) || !allDigits(rest.substr(dash + 1)))
        return 0;
    pid_t pid = 0;
    auto [end, error] = std::from_chars(rest.data(), rest.data() + dash, pid);
    if (error != std::errc() || end != rest.data() + dash)
        return 0;
    return pid;
}

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
        if (pid > 0 && pid != ::getpid() && !stillRuns(pid))
            ::unlinkat(fd, entry->d_name, 0);
    }
    ::closedir(entries);
}
