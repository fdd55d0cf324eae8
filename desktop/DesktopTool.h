#pragma once

#include "desktop/CommandRunner.h"

// Runs a desktop's tool and returns what it printed. Throws "%s cannot be run" for a tool that is
// not there, "%s did not answer within 10 seconds" for one that hangs, and `failure` when it
// ended with an error.
std::string runDesktopTool(CommandRunner& runner, const std::string& program, const std::vector<std::string>& arguments,
    const std::string& failure);
