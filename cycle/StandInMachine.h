#pragma once

#include "cycle/RegistryFile.h"

#include <memory>
#include <string>

// The Windows machine that the modules change when there is no Windows: the folder "machine/"
// beside the program, holding the registry store "registry.reg" and a Windows directory
// "c/WINDOWS" with win.ini and system.ini. It is made once, on first start, and never rewritten.
// Its registry names the Windows directory relative to the program directory, so the program
// folder can be copied or moved whole.
class StandInMachine {
public:
    // `programDirectory` ends in "/".
    explicit StandInMachine(std::string programDirectory);

    std::string folder() const { return m_programDirectory + "machine/"; }
    std::string registryPath() const { return folder() + "registry.reg"; }
    std::string windowsDirectory() const { return folder() + "c/WINDOWS"; }

    // Makes the machine unless "machine/" already exists. The machine appears whole or not at all.
    // Throws "Cannot create file %s" when it can't be made.
    void ensureExists() const;

    // Removes what writes and first starts killed half-way left in the program directory, the
    // machine's folder, the Windows directory the registry names and its drive root (writes clean
    // their own folder too, but some folders see none in a run).
    void removeStaleTemporaries() const;

    // The registry store, made first if needed.
    std::unique_ptr<RegistryFile> openRegistry() const;

    // The Windows directory a new machine's registry names, relative to the program directory.
    static constexpr const char* relativeWindowsDirectory = "machine/c/WINDOWS";

private:
    void removeOldScaffolds() const;

    std::string m_programDirectory;
};
