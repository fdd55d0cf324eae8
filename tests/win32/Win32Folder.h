#pragma once

#include <algorithm>
#include <atomic>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>
#include <windows.h>

// A fresh folder under Windows' temporary folder, removed with everything in it at the end.
// Paths use "\" and end in it, as the program directory does on Windows.
class Win32Folder {
public:
    Win32Folder()
    {
        static std::atomic<unsigned> counter { 0 };
        char base[MAX_PATH + 1];
        DWORD length = GetTempPathA(sizeof base, base);
        if (length == 0 || length > MAX_PATH)
            throw std::runtime_error("no temporary folder");
        for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
            std::string candidate = std::string(base) + "zentrel-test-" + std::to_string(GetCurrentProcessId()) + "-"
                + std::to_string(counter++);
            if (CreateDirectoryA(candidate.c_str(), nullptr))
                m_path = candidate + "\\";
        }
        if (m_path.empty())
            throw std::runtime_error("cannot create a temporary folder");
    }
    ~Win32Folder() { removeTree(m_path); }
    Win32Folder(const Win32Folder&) = delete;
    Win32Folder& operator=(const Win32Folder&) = delete;

    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + name; }

    void write(const std::string& name, const std::string& bytes) const { writePath(file(name), bytes); }
    static void writePath(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const { return readPath(file(name)); }

    static std::string readPath(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    // Every name in the folder in byte order, "." and ".." left out.
    std::string names() const
    {
        std::vector<std::string> found;
        WIN32_FIND_DATAA entry;
        HANDLE search = FindFirstFileA((m_path + "*").c_str(), &entry);
        if (search == INVALID_HANDLE_VALUE)
            return {};
        do {
            std::string name = entry.cFileName;
            if (name != "." && name != "..")
                found.push_back(name);
        } while (FindNextFileA(search, &entry));
        FindClose(search);
        std::sort(found.begin(), found.end());
        std::string all;
        for (const std::string& name : found)
            all += (all.empty() ? "" : " ") + name;
        return all;
    }

private:
    static void removeTree(const std::string& folder)
    {
        WIN32_FIND_DATAA entry;
        HANDLE search = FindFirstFileA((folder + "*").c_str(), &entry);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                std::string name = entry.cFileName;
                if (name == "." || name == "..")
                    continue;
                std::string path = folder + name;
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    removeTree(path + "\\");
                else
                    DeleteFileA(path.c_str());
            } while (FindNextFileA(search, &entry));
            FindClose(search);
        }
        RemoveDirectoryA(folder.c_str());
    }

    std::string m_path;
};
