#pragma once

#include "cycle/System.h"

#include <string>
#include <vector>

// Stands in for the system in tests: records each request as one line of text and does nothing.
class RecordingSystem : public System {
public:
    explicit RecordingSystem(std::string programDirectory = "/program/")
        : m_programDirectory(std::move(programDirectory))
    {
    }

    std::vector<std::string> requests;

    std::string programDirectory() override { return m_programDirectory; }
    std::string shortPath(const std::string& path) override { return path; }
    void setFileAttributes(const std::string& path, FileAttributes attributes) override
    {
        requests.push_back(std::string(attributes == FileAttributes::Hidden ? "hide " : "unhide ") + path);
    }
    void deleteFile(const std::string& path) override { requests.push_back("delete " + path); }
    void shellExecute(const std::string& verb, const std::string& target) override
    {
        requests.push_back(verb + " " + target);
    }
    void runProgram(const std::string& commandLine) override { requests.push_back("run " + commandLine); }

private:
    std::string m_programDirectory;
};
