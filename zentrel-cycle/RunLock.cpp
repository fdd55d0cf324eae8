#include "zentrel-cycle/RunLock.h"

#include "cycle/Exception.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

RunLock::RunLock(const std::string& path, Wait wait)
{
    m_descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (m_descriptor < 0)
        throw Exception(formatMessage("Cannot create file %s", path));
    int operation = wait == Wait::UntilFree ? LOCK_EX : LOCK_EX | LOCK_NB;
    int result;
    do
        result = ::flock(m_descriptor, operation);
    while (result != 0 && errno == EINTR);
    m_held = result == 0;
    if (!m_held && errno != EWOULDBLOCK) {
        ::close(m_descriptor);
        throw Exception(formatMessage("Cannot create file %s", path));
    }
}

RunLock::~RunLock()
{
    // Closing the descriptor releases the lock.
    ::close(m_descriptor);
}
