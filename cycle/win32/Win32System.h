#pragma once

#include "cycle/System.h"

// The services on Windows itself: kernel32 for the program's path, short paths, attributes and
// deletion, shell32 for shell verbs and WinExec for command lines. As on POSIX, nothing here
// waits for what it starts or reports a failure.
class Win32System : public System {
public:
    std::string programDirectory() override;
    std::string shortPath(const std::string& path) override;
    void setFileAttributes(const std::string& path, FileAttributes attributes) override;
    void deleteFile(const std::string& path) override;
    void shellExecute(const std::string& verb, const std::string& target) override;
    void runProgram(const std::string& commandLine) override;
};
