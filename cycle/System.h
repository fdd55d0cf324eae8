#pragma once

#include <string>

// DOS file attributes, combined with |. Setting them replaces every attribute the file had.
enum class FileAttributes : unsigned { None = 0, ReadOnly = 1, Hidden = 2 };

constexpr FileAttributes operator|(FileAttributes a, FileAttributes b)
{
    return static_cast<FileAttributes>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}

constexpr bool hasAttribute(FileAttributes attributes, FileAttributes one)
{
    return (static_cast<unsigned>(attributes) & static_cast<unsigned>(one)) != 0;
}

// The operating system services the modules use beyond plain files. None of them waits for what it
// starts and none reports failure: the modules go on whatever the system did with the request.
class System {
public:
    virtual ~System() = default;

    // The folder of the running program, ending in the path separator.
    virtual std::string programDirectory() = 0;

    // The short (8.3) form of a path; the path itself when the system has none to give.
    virtual std::string shortPath(const std::string& path) = 0;

    virtual void setFileAttributes(const std::string& path, FileAttributes attributes) = 0;

    virtual void deleteFile(const std::string& path) = 0;

    // Asks the desktop shell to perform a verb ("open", "Apply Settings", ...) on a file or address.
    virtual void shellExecute(const std::string& verb, const std::string& target) = 0;

    // Starts a command line as a program of its own.
    virtual void runProgram(const std::string& commandLine) = 0;
};
