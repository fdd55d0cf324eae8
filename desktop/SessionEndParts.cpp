#include "desktop/SessionEndParts.h"

#include "cycle/AtomicFile.h"
#include "cycle/Exception.h"
#include "desktop/CommandRunner.h"

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void refuseLineBreaks(const std::string& value)
{
    if (value.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
        throw Exception(formatMessage("The value %s can't be written into a login entry", value));
}

// systemd's command lines: double quotes with C escapes; "%" starts a specifier and "$" a variable.
std::string unitWord(const std::string& word)
{
    refuseLineBreaks(word);
    std::string quoted = "\"";
    for (char c : word) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        if (c == '%' || c == '$')
            quoted += c;
        quoted += c;
    }
    return quoted + "\"";
}

// A desktop entry's Exec: quoted words with "\"" "`" "$" "\" escaped, and then the entry's own
// escaping of "\" again; "%" starts a field code.
std::string entryWord(const std::string& word)
{
    refuseLineBreaks(word);
    std::string quoted = "\"";
    for (char c : word) {
        if (c == '"' || c == '`' || c == '$')
            quoted += "\\\\";
        else if (c == '\\')
            quoted += "\\\\\\";
        else if (c == '%')
            quoted += '%';
        quoted += c;
    }
    return quoted + "\"";
}

bool removed(const std::string& path)
{
    if (::unlink(path.c_str()) == 0)
        return true;
    if (errno == ENOENT)
        return false;
    throw Exception(formatMessage("Cannot delete file %s", path));
}

void writeWithFolder(const std::string& path, const std::string& bytes)
{
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    writeFileAtomically(path, bytes);
}

} // namespace

SessionEndParts::SessionEndParts(
    std::string configHome, std::string cycleProgram, std::vector<std::string> cycleArguments)
    : m_configHome(std::move(configHome))
    , m_cycleProgram(std::move(cycleProgram))
    , m_cycleArguments(std::move(cycleArguments))
{
}

std::string SessionEndParts::unitPath() const
{
    return m_configHome + "/systemd/user/" + unitName;
}

std::string SessionEndParts::wantsLinkPath() const
{
    return m_configHome + "/systemd/user/default.target.wants/" + unitName;
}

std::string SessionEndParts::fallbackPath() const
{
    return m_configHome + "/autostart/zentrel-session-end.desktop";
}

std::vector<std::string> SessionEndParts::command(const std::string& option) const
{
    std::vector<std::string> words { m_cycleProgram, option };
    words.insert(words.end(), m_cycleArguments.begin(), m_cycleArguments.end());
    return words;
}

std::string SessionEndParts::unitText() const
{
    std::string stop;
    for (const std::string& word : command("--session-end"))
        stop += (stop.empty() ? "" : " ") + unitWord(word);
    stop += " --unit-file " + unitWord(unitPath());
    // The player itself stops at the sound's length and a second more; the manager's own bound
    // only guards against a player that hangs.
    return "[Unit]\n"
           "Description=Zentrel's shutdown sound when the session ends\n"
           "After=pipewire.service pipewire-pulse.service pulseaudio.service wireplumber.service\n"
           "PartOf=graphical-session.target\n"
           "\n"
           "[Service]\n"
           "Type=oneshot\n"
           "RemainAfterExit=yes\n"
           "ExecStart=/bin/true\n"
           "ExecStop="
        + stop
        + "\n"
          "TimeoutStopSec=60\n"
          "\n"
          "[Install]\n"
          "WantedBy=default.target\n";
}

std::string SessionEndParts::fallbackEntry() const
{
    std::string exec;
    for (const std::string& word : command("--await-session-end"))
        exec += (exec.empty() ? "" : " ") + entryWord(word);
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Zentrel shutdown sound\n"
           "Comment=Plays the shutdown sound of the Zentrel lists when the session ends\n"
           "Exec="
        + exec
        + "\n"
          "Icon=zentrel\n"
          "Terminal=false\n"
          "NoDisplay=true\n"
          "X-GNOME-Autostart-enabled=true\n";
}

std::vector<std::string> SessionEndParts::install(CommandRunner& runner, bool systemdRuns) const
{
    std::string unit = unitText(), entry = fallbackEntry();
    writeWithFolder(unitPath(), unit);
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(wantsLinkPath()).parent_path(), ignored);
    removed(wantsLinkPath());
    if (::symlink(unitPath().c_str(), wantsLinkPath().c_str()) != 0)
        throw Exception(formatMessage("Cannot create file %s", wantsLinkPath()));
    writeWithFolder(fallbackPath(), entry);
    // Started now, it plays at the end of this session already.
    if (systemdRuns) {
        runner.run("systemctl", { "--user", "daemon-reload" });
        runner.run("systemctl", { "--user", "start", unitName });
    }
    return { unitPath(), fallbackPath() };
}

bool SessionEndParts::remove(CommandRunner& runner, bool systemdRuns) const
{
    bool any = removed(wantsLinkPath());
    any = removed(unitPath()) || any;
    any = removed(fallbackPath()) || any;
    // Its stop now finds the unit file gone and plays nothing.
    if (systemdRuns) {
        runner.run("systemctl", { "--user", "stop", unitName });
        runner.run("systemctl", { "--user", "daemon-reload" });
    }
    return any;
}

bool SessionEndParts::systemdRunsFor(const std::string& runtimeDirectory)
{
    struct stat status;
    return !runtimeDirectory.empty() && ::stat((runtimeDirectory + "/systemd/private").c_str(), &status) == 0
        && S_ISSOCK(status.st_mode);
}
