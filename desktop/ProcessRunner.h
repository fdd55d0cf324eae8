#pragma once

#include "desktop/CommandRunner.h"

// The real thing, through QProcess.
class ProcessRunner : public CommandRunner {
public:
    Result run(const std::string& program, const std::vector<std::string>& arguments) override;
};
