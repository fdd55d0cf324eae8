#pragma once

#include <string>
#include <vector>

// Runs a desktop's command-line tool and waits for it; tests record the commands instead.
class CommandRunner {
public:
    struct Result {
        bool started = false; // false: the program is not there or could not be run
        int exitCode = 0;
        std::string output; // standard output
        bool timedOut = false; // it did not end in time and was killed
    };
    virtual ~CommandRunner() = default;
    virtual Result run(const std::string& program, const std::vector<std::string>& arguments) = 0;

    // The seconds a tool is given before it is taken as hanging.
    static constexpr int patienceSeconds = 10;
};
