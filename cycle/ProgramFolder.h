#pragma once

#include <optional>
#include <string>

// How the running program was built: to run from the folder it was built or assembled in, or to be
// installed system-wide (the Debian package), where its folder is shared by every user and
// writable by none. The build decides (CMake option ZENTREL_INSTALLED); the programs pass it on.
enum class Installation { BuiltHere, Installed };

// The program folder, where the lists, the settings and the stand-in machine live, chosen the same
// way by the windowed program and zentrel-cycle: the folder named on the command line; else the
// program's own folder when it was built here; else the user's own, $XDG_DATA_HOME/zentrel
// (~/.local/share/zentrel by default).
struct ProgramFolder {
    std::optional<std::string> given;
    std::string executableFolder; // ends in "/"
    Installation installation = Installation::BuiltHere;
    std::string home; // $HOME
    std::string dataHome; // $XDG_DATA_HOME; ignored unless absolute

    // Ends in "/". Throws "Cannot find the user's folders: HOME is not set" when the user's own
    // folder is the choice and nothing says where it is.
    std::string chosen() const;
    bool isUsersOwn() const { return !given && installation == Installation::Installed; }

    // The choice for this process, from its environment and its executable's folder; the user's
    // own folder is made (private to the user) when it does not exist yet. Throws "Cannot create
    // folder %s".
    static std::string forThisRun(const std::optional<std::string>& given, Installation installation);
};
