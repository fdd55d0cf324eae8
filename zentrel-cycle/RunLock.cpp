#include "zentrel-cycle/RunLock.h"

#include "cycle/Exception.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

RunLock::RunLock(const std::string& folder, Wait wait)
{
    // Read-only, so a folder the user may not write to can be locked all the same.
    const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        throw Exception(formatMessage("Cannot lock the folder %s", folder));
    int operation = wait == Wait::UntilFree ? LOCK_EX : LOCK_EX | LOCK_NB;
    int result;
    do
        result = ::flock(descriptor, operation);
    while (result != 0 && errno == EINTR);
    m_held = result == 0;
    if (!m_held && errno != EWOULDBLOCK) {
        ::close(descriptor);
        throw Exception(formatMessage("Cannot lock the folder %s", folder));
    }
    m_handle = descriptor;
}

RunLock::~RunLock()
{
    // Closing the descriptor releases the lock.
    ::close(static_cast<int>(m_handle));
}
