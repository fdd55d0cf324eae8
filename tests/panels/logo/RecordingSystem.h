#pragma once

#include "cycle/System.h"

#include <filesystem>
#include <string>
#include <vector>

// Notes the attributes it is asked to set ("hidden", "none") and deletes for real, as the program's
// own system does on POSIX. A test may share the log with the module files' log.
class RecordingSystem : public System {
public:
    RecordingSystem()
        : log(m_ownLog)
    {
    }
    explicit RecordingSystem(std::vector<std::string>& sharedLog)
        : log(sharedLog)
    {
    }

    std::string programDirectory() override { return "/"; }
    std::string shortPath(const std::string& path) override { return path; }
    void setFileAttributes(const std::string&, FileAttributes attributes) override
    {
        log.push_back(attributes == FileAttributes::Hidden ? "hidden" : "none");
    }
    void deleteFile(const std::string& path) override
    {
        log.push_back("delete");
        std::filesystem::remove(path);
    }
    void shellExecute(const std::string&, const std::string&) override { }
    void runProgram(const std::string&) override { }

private:
    std::vector<std::string> m_ownLog;

public:
    std::vector<std::string>& log;
};
