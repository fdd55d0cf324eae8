#pragma once

#include <string>
#include <vector>

class CommandRunner;

// What plays the shutdown sound when the session ends: a systemd user unit that starts with the
// user's manager and whose stop runs "zentrel-cycle --session-end" (ordered before the sound
// servers, so they are still there), and for sessions without `systemd --user`, a login entry
// that runs "zentrel-cycle --await-session-end", which waits for the session to go.
class SessionEndParts {
public:
    // `configHome` as in XDG_CONFIG_HOME; `cycleProgram` the path of zentrel-cycle;
    // `cycleArguments` follow each command (a --program-dir given at installation).
    SessionEndParts(std::string configHome, std::string cycleProgram, std::vector<std::string> cycleArguments = {});

    std::string unitPath() const;
    std::string wantsLinkPath() const;
    std::string fallbackPath() const;

    std::string unitText() const;
    std::string fallbackEntry() const;

    // Writes the unit (enabled through the link, started at once where `systemd --user` runs,
    // through `runner`) and the login entry; returns the paths written. Throws "Cannot create
    // file %s", and for a value a unit or entry line can't hold.
    std::vector<std::string> install(CommandRunner& runner, bool systemdRuns) const;
    // Removes all three, and tells a running manager; false when none was there.
    bool remove(CommandRunner& runner, bool systemdRuns) const;

    // `systemd --user` runs for this user: its private socket is in XDG_RUNTIME_DIR.
    static bool systemdRunsFor(const std::string& runtimeDirectory);

    static constexpr const char* unitName = "zentrel-session-end.service";

private:
    std::vector<std::string> command(const std::string& option) const;

    std::string m_configHome;
    std::string m_cycleProgram;
    std::vector<std::string> m_cycleArguments;
};
