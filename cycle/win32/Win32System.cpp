#include "cycle/win32/Win32System.h"

#include <windows.h>

// After windows.h, which it builds on.
#include <shellapi.h>

std::string Win32System::programDirectory()
{
    // A path longer than the buffer comes back cut short, so the buffer grows until it fits.
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return ".\\";
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    auto end = path.find_last_of("\\:");
    return end == std::string::npos ? ".\\" : path.substr(0, end + 1);
}

std::string Win32System::shortPath(const std::string& path)
{
    char shortForm[256];
    DWORD length = GetShortPathNameA(path.c_str(), shortForm, sizeof shortForm);
    if (length == 0 || length >= sizeof shortForm)
        return path;
    return std::string(shortForm, length);
}

void Win32System::setFileAttributes(const std::string& path, FileAttributes attributes)
{
    DWORD set = 0;
    if (hasAttribute(attributes, FileAttributes::ReadOnly))
        set |= FILE_ATTRIBUTE_READONLY;
    if (hasAttribute(attributes, FileAttributes::Hidden))
        set |= FILE_ATTRIBUTE_HIDDEN;
    SetFileAttributesA(path.c_str(), set ? set : FILE_ATTRIBUTE_NORMAL);
}

void Win32System::deleteFile(const std::string& path)
{
    DeleteFileA(path.c_str());
}

void Win32System::shellExecute(const std::string& verb, const std::string& target)
{
    ShellExecuteA(nullptr, verb.c_str(), target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void Win32System::runProgram(const std::string& commandLine)
{
    WinExec(commandLine.c_str(), SW_SHOWNORMAL);
}
