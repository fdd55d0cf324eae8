#include "zentrel-cycle/RunLock.h"

#include "cycle/Exception.h"

#include <cctype>
#include <functional>
#include <windows.h>

namespace {

// One name per folder, whatever case or separators it was given in; a long path is shortened
// to its hash, as a mutex name may not be longer than MAX_PATH.
std::string mutexName(const std::string& folder)
{
    std::string key;
    for (char c : folder)
        key += c == '/' ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    while (key.size() > 1 && key.back() == '\\')
        key.pop_back();
    for (char& c : key) {
        if (c == '\\')
            c = '|';
    }
    const std::string prefix = "Local\\zentrel-cycle ";
    if (prefix.size() + key.size() >= MAX_PATH)
        key = std::to_string(std::hash<std::string> {}(key));
    return prefix + key;
}

} // namespace

// Windows can't lock a folder; a mutex named after it does the same and leaves no file.
RunLock::RunLock(const std::string& folder, Wait wait)
{
    char full[MAX_PATH * 4];
    DWORD length = GetFullPathNameA(folder.empty() ? "." : folder.c_str(), sizeof full, full, nullptr);
    std::string name = mutexName(length > 0 && length < sizeof full ? std::string(full, length) : folder);
    HANDLE mutex = CreateMutexA(nullptr, FALSE, name.c_str());
    if (mutex == nullptr)
        throw Exception(formatMessage("Cannot lock the folder %s", folder));
    DWORD result = WaitForSingleObject(mutex, wait == Wait::UntilFree ? INFINITE : 0);
    // Abandoned: the run that held it ended without letting go, and the lock is this run's now.
    m_held = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
    if (!m_held && result != WAIT_TIMEOUT) {
        CloseHandle(mutex);
        throw Exception(formatMessage("Cannot lock the folder %s", folder));
    }
    m_handle = reinterpret_cast<std::intptr_t>(mutex);
}

RunLock::~RunLock()
{
    HANDLE mutex = reinterpret_cast<HANDLE>(m_handle);
    if (m_held)
        ReleaseMutex(mutex);
    CloseHandle(mutex);
}
