#include "cycle/StaleTemporaries.h"

#include <windows.h>

namespace {

// A process that cannot be opened for lack of rights still runs; only an unknown id is gone.
bool stillRuns(pid_t pid)
{
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
    if (process == nullptr)
        return GetLastError() != ERROR_INVALID_PARAMETER;
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}

} // namespace

void removeStaleTemporaries(const std::string& folder)
{
    const std::string prefix = folder.empty() ? std::string() : folder + "\\";
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((prefix + ".*.tmp*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        pid_t pid = writerOfTemporary(entry.cFileName);
        if (pid > 0 && static_cast<DWORD>(pid) != GetCurrentProcessId() && !stillRuns(pid))
            DeleteFileA((prefix + entry.cFileName).c_str());
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}
