#include "zentrel-cycle/DesktopEntries.h"

#include "cycle/AtomicFile.h"
#include "cycle/Exception.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// An Exec argument: quoted when it holds a character the desktop would read as syntax, with the
// quoting's own escapes; then every backslash doubled, as any string value of a desktop entry.
std::string execArgument(const std::string& argument)
{
    std::string quoted = argument;
    if (argument.empty() || argument.find_first_of(" \t\n\"'\\><~|&;$*?#()`=") != std::string::npos) {
        quoted = "\"";
        for (char c : argument) {
            if (c == '"' || c == '`' || c == '$' || c == '\\')
                quoted += '\\';
            quoted += c;
        }
        quoted += '"';
    }
    std::string value;
    for (char c : quoted) {
        if (c == '\\')
            value += '\\';
        // A lone "%" would be read as a field code.
        if (c == '%')
            value += '%';
        value += c;
    }
    return value;
}

void writeWithFolder(const std::string& path, const std::string& bytes)
{
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    writeFileAtomically(path, bytes);
}

} // namespace

DesktopPlaces DesktopPlaces::fromEnvironment()
{
    std::string home = environment("HOME");
    std::string config = environment("XDG_CONFIG_HOME");
    std::string data = environment("XDG_DATA_HOME");
    // The base directories must be absolute; a relative one is to be ignored.
    if (!config.starts_with('/'))
        config = home.empty() ? "" : home + "/.config";
    if (!data.starts_with('/'))
        data = home.empty() ? "" : home + "/.local/share";
    if (config.empty() || data.empty())
        throw Exception("Cannot find the user's folders: HOME is not set");
    return { config + "/autostart", data + "/applications", data + "/icons/hicolor/32x32/apps" };
}

DesktopEntries::DesktopEntries(
    DesktopPlaces places, std::string programDirectory, std::vector<std::string> cycleArguments)
    : m_places(std::move(places))
    , m_programDirectory(std::move(programDirectory))
    , m_cycleArguments(std::move(cycleArguments))
{
}

std::string DesktopEntries::autostartPath() const
{
    return m_places.autostartFolder + "/zentrel-cycle.desktop";
}

std::string DesktopEntries::menuPath() const
{
    return m_places.applicationsFolder + "/zentrel.desktop";
}

std::string DesktopEntries::iconPath() const
{
    return m_places.iconFolder + "/zentrel.png";
}

std::string DesktopEntries::execLine(const std::string& program, const std::vector<std::string>& arguments) const
{
    std::string line = execArgument(m_programDirectory + program);
    for (const std::string& argument : arguments)
        line += " " + execArgument(argument);
    return line;
}

std::string DesktopEntries::autostartEntry() const
{
    std::vector<std::string> arguments { "--present" };
    arguments.insert(arguments.end(), m_cycleArguments.begin(), m_cycleArguments.end());
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Zentrel start-up cycling\n"
           "Comment=Takes the next wallpaper, sounds, screen saver, logo and theme from the Zentrel lists\n"
           "Exec="
        + execLine("zentrel-cycle", arguments)
        + "\n"
          "Icon=zentrel\n"
          "Terminal=false\n"
          "NoDisplay=true\n"
          "X-GNOME-Autostart-enabled=true\n";
}

std::string DesktopEntries::menuEntry() const
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Zentrel\n"
           "GenericName=Desktop Cycler\n"
           "Comment=Rotates wallpapers, sounds, screen savers, start-up logos and themes\n"
           "Exec="
        + execLine("zentrel", {})
        + "\n"
          "Icon=zentrel\n"
          "Terminal=false\n"
          "Categories=Settings;DesktopSettings;\n";
}

std::vector<std::string> DesktopEntries::install(const std::string& iconBytes) const
{
    writeWithFolder(iconPath(), iconBytes);
    writeWithFolder(menuPath(), menuEntry());
    writeWithFolder(autostartPath(), autostartEntry());
    return { autostartPath(), menuPath(), iconPath() };
}

bool DesktopEntries::removeAutostart() const
{
    if (::unlink(autostartPath().c_str()) == 0)
        return true;
    if (errno == ENOENT)
        return false;
    throw Exception(formatMessage("Cannot delete file %s", autostartPath()));
}
