#pragma once

#include <string>
#include <vector>

// Where the desktop looks for what a user installs for themselves (the freedesktop base
// directories): autostart entries, menu entries and icons.
struct DesktopPlaces {
    std::string autostartFolder; // $XDG_CONFIG_HOME/autostart, by default ~/.config/autostart
    std::string applicationsFolder; // $XDG_DATA_HOME/applications, by default ~/.local/share/applications
    std::string iconFolder; // the 32 x 32 application icons of the hicolor theme under $XDG_DATA_HOME

    // Throws when neither the XDG variables nor HOME say where the user's folders are.
    static DesktopPlaces fromEnvironment();
};

// The login entry that runs "zentrel-cycle --present", and the program's own menu entry and icon.
class DesktopEntries {
public:
    // `programDirectory` holds zentrel and zentrel-cycle and ends in "/"; `cycleArguments` follow
    // "--present" in the login entry (a --program-dir given at installation).
    DesktopEntries(DesktopPlaces places, std::string programDirectory, std::vector<std::string> cycleArguments = {});

    std::string autostartPath() const;
    std::string menuPath() const;
    std::string iconPath() const;

    std::string autostartEntry() const;
    std::string menuEntry() const;

    // Writes the three files, making their folders; returns the paths written. Throws
    // "Cannot create file %s", and, before writing anything, for a path that holds a line break or
    // another control character.
    std::vector<std::string> install(const std::string& iconBytes) const;
    // Writes the login entry alone.
    void installAutostart() const;
    // Removes the login entry; false when there was none. The menu entry stays.
    bool removeAutostart() const;

private:
    std::string execLine(const std::string& program, const std::vector<std::string>& arguments) const;

    DesktopPlaces m_places;
    std::string m_programDirectory;
    std::vector<std::string> m_cycleArguments;
};
