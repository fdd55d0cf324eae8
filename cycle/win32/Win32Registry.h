#pragma once

#include "cycle/Registry.h"

// The Windows registry through advapi32. Keys are opened, never created: those under
// HKEY_LOCAL_MACHINE for reading only, since the program never writes there and a user without
// administrator rights may not open them for writing; those under HKEY_CURRENT_USER for reading
// and setting values. Every handle is closed with its key, on every path.
// Windows NT keeps no "SystemRoot" in the key SOFTWARE\Microsoft\Windows\CurrentVersion of
// HKEY_LOCAL_MACHINE, where Windows 95 and 98 kept the Windows directory: where it is missing,
// that value reads as the system's Windows directory, so win.ini and system.ini are found there
// and not in the root of the current drive.
class Win32Registry : public Registry {
public:
    std::unique_ptr<RegistryKey> openKey(RegistryRoot root, std::string_view path) override;
};
