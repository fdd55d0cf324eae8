#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// The command line of the windowed program: a folder of lists to work on, or a question.
struct StartOptions {
    std::optional<std::string> programDirectory;

    // Answers --help, --version and a wrong command line (usage on `errors`, 2) with the exit
    // code; otherwise fills `options` and gives nothing, and the program starts.
    static std::optional<int> read(
        const std::vector<std::string>& arguments, StartOptions& options, std::ostream& out, std::ostream& errors);
};

extern const char* const startUsage;
