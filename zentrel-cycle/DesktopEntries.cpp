#include "zentrel-cycle/DesktopEntries.h"

#include "cycle/AtomicFile.h"
#include "cycle/Exception.h"

#include <algorithm>
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

// A desktop entry is read line by line and no escape gives back a line break, so a value holding one
// would end early and its rest become lines of its own (a second Exec=). Control characters are
// refused with it: none belongs in a path, and the readers take CR and NUL in their own ways.
void refuseControlCharacters(const std::string& value)
{
    auto isControl = [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7f'; };
    if (std::none_of(value.begin(), value.end(), isControl))
        return;
    std::string shown = value;
    std::replace_if(shown.begin(), shown.end(), isControl, '?');
    throw Exception(formatMessage(
        "The path %s holds a line break or another control character, which a desktop entry cannot hold", shown));
}

// An Exec argument: quoted when it holds a character the desktop would read as syntax, with the
// quoting's own escapes; then every backslash doubled, as any string value of a desktop entry.
std::string execArgument(const std::string& argument)
{
    refuseControlCharacters(argument);
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
    // Both entries are made before anything is written: a path they refuse leaves no file behind.
    const std::string menu = menuEntry();
    const std::string autostart = autostartEntry();
    writeWithFolder(iconPath(), iconBytes);
    writeWithFolder(menuPath(), menu);
    writeWithFolder(autostartPath(), autostart);
    return { autostartPath(), menuPath(), iconPath() };
}

void DesktopEntries::installAutostart() const
{
    writeWithFolder(autostartPath(), autostartEntry());
}

bool DesktopEntries::removeAutostart() const
{
    if (::unlink(autostartPath().c_str()) == 0)
        return true;
    if (errno == ENOENT)
        return false;
    throw Exception(formatMessage("Cannot delete file %s", autostartPath()));
}
