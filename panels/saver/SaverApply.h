#pragma once

#include "cycle/LineList.h"
#include "cycle/ModuleParameters.h"

#include <memory>
#include <string>
#include <string_view>

class LineFiles;
class Registry;
class System;

// Makes a screen saver the Windows screen saver: the "SCRNSAVE.EXE=" line of system.ini in the
// Windows directory, and "ScreenSaveActive" under HKEY_CURRENT_USER\Control Panel\Desktop when the
// line had to be added. Only the configuration is written; nothing is started.
class SaverApply {
public:
    enum class Outcome {
        Replaced, // the file's screen-saver line now names the entry
        Added, // the line was added and the screen saver switched on
        NotAScreenSaver, // the entry has no ".scr" extension; system.ini was written back as it was
    };

    SaverApply(std::shared_ptr<Registry> registry, std::shared_ptr<LineFiles> files, std::shared_ptr<System> system);

    // system.ini is read before the next position, so that a missing file is reported first, and
    // written when an enabled list applies its entry.
    static ApplyHooks hooks(std::shared_ptr<SaverApply> apply);

    // The whole step for one entry, without a panel: read system.ini, edit, write.
    Outcome apply(const std::string& entryPath);

    // Reads system.ini afresh into the image; "Cannot open file %s" when it can't be read.
    void readSystemIni();
    // Puts the entry into system.ini as it is on disk now (what another program saved since it was
    // read is kept) and writes it back whole, changed or not; the edited lines become the image.
    Outcome writeSystemIni(const std::string& entryPath);

    // The extension, from the last "." after the last separator, is ".scr" in any letter case.
    static bool isScreenSaver(std::string_view path);

    const std::string& systemIniPath() const { return m_systemIniPath; }
    const LineList& systemIni() const { return m_systemIni; }

private:
    std::shared_ptr<Registry> m_registry;
    std::shared_ptr<LineFiles> m_files;
    std::shared_ptr<System> m_system;
    std::string m_systemIniPath;
    LineList m_systemIni;
};
