#include "zentrel-cycle/RunLock.h"

#include "cycle/Exception.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace {

HANDLE handleOf(int descriptor)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
}

} // namespace

RunLock::RunLock(const std::string& path, Wait wait)
{
    m_descriptor = ::_open(path.c_str(), _O_RDWR | _O_CREAT | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
    if (m_descriptor < 0)
        throw Exception(formatMessage("Cannot create file %s", path));
    DWORD flags
        = wait == Wait::UntilFree ? LOCKFILE_EXCLUSIVE_LOCK : LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY;
    OVERLAPPED whole {};
    m_held = LockFileEx(handleOf(m_descriptor), flags, 0, MAXDWORD, MAXDWORD, &whole);
    if (!m_held && GetLastError() != ERROR_LOCK_VIOLATION) {
        ::_close(m_descriptor);
        throw Exception(formatMessage("Cannot create file %s", path));
    }
}

RunLock::~RunLock()
{
    // Closing the file releases the lock.
    ::_close(m_descriptor);
}
