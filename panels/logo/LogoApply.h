#pragma once

#include "cycle/ModuleParameters.h"

#include <memory>
#include <string>

class Registry;
class System;

// Makes a bitmap the start-up logo: the picture is decoded and written again as the hidden file
// logo.sys in the root of the drive that holds Windows (on a stand-in machine, the parent folder of
// its Windows directory). The entry is loaded before the old logo is touched, and the new file
// replaces the old one whole, so a failure leaves the previous logo as it was.
class LogoApply {
public:
    LogoApply(std::shared_ptr<Registry> registry, std::shared_ptr<System> system);

    // The step in the place the Save sequence gives it: the entry is written when an enabled
    // list applies it, before the advanced position is stored.
    static ApplyHooks hooks(std::shared_ptr<LogoApply> apply);

    // Where the logo file of a Windows directory lies; empty when there is no such place.
    static std::string logoPathFor(const std::string& windowsDirectory);
    // The logo file of this machine. Throws when the Windows directory is not known.
    std::string logoPath() const;

    // Throws the format check's message for an entry that fails it (a hand-edited list may hold
    // any file), the loading error of a missing or damaged entry, and "Cannot create file %s" with
    // the logo file's path when the logo can't be written.
    void writeLogo(const std::string& entryPath);
    // Removes the logo file so that Windows shows its own logo; false when there was none. Throws
    // "Cannot delete file %s" when the file is still there afterwards.
    bool restore();

private:
    std::shared_ptr<Registry> m_registry;
    std::shared_ptr<System> m_system;
};
