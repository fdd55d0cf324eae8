#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// The command line of zentrel-cycle.
struct CycleOptions {
    enum class Action { Cycle, Help, Version, InstallAutostart, RemoveAutostart, SessionEnd, AwaitSessionEnd };
    Action action = Action::Cycle;
    bool dryRun = false;
    bool present = false;
    std::vector<std::string> only; // module names; empty: all
    std::optional<std::string> programDirectory; // ends in "/"
    // How long a run may take before it gives up. A run with lists of 100,000 entries takes a
    // quarter of a second on a busy disk; a minute leaves room for lists ten times longer on a
    // slow one, and still lets the next login start.
    unsigned timeLimitSeconds = 60;
    std::optional<std::string> unitFile; // --session-end plays only while this unit file is there

    // Throws UsageError for an unknown option, a missing value or an unknown module name.
    static CycleOptions parse(const std::vector<std::string>& arguments, const std::vector<std::string>& moduleNames);
};

struct UsageError {
    std::string message;
};

extern const char* const cycleUsage;

// Reads the command line into `options` and answers what needs nothing more: a wrong command line,
// --help and --version. Returns the exit code when that was all there was to do; otherwise what is
// left is cycling or changing the login entries.
std::optional<int> readCycleCommandLine(const std::vector<std::string>& arguments,
    const std::vector<std::string>& moduleNames, CycleOptions& options, std::ostream& out, std::ostream& errors);
