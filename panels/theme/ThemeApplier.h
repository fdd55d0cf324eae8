#pragma once

#include "cycle/Registry.h"
#include "panels/theme/ThemeSettings.h"

#include <memory>
#include <string>
#include <vector>

class LineFiles;
class Registry;
class System;
class ThemePreview;

// What applying a theme came to.
struct ThemeApplied {
    std::vector<std::string> failures; // the message of each item that failed
    std::vector<std::string> soundsNotSet; // the events the theme names whose key is missing, as ".Default\MailBeep"
};

// Applies a desktop theme at once where no theme software exists, into the same win.ini,
// system.ini and registry that the other modules write, through their apply steps: the wallpaper
// and its tiling, the sound events whose keys exist, the screen saver and its switch, and the
// colours. It never touches the start-up logo.
class ThemeApplier {
public:
    ThemeApplier(std::shared_ptr<Registry> registry, std::shared_ptr<LineFiles> files, std::shared_ptr<System> system);

    // What the theme file names, its variables expanded; a theme without a name of its own is
    // named after its file, without ".theme". Throws "Cannot open file %s".
    ThemeSettings read(const std::string& themePath) const;

    // What the theme view shows of it. Throws as read does.
    ThemePreview preview(const std::string& themePath) const;

    // Applies each item the theme names, one after another; an item that fails does not stop the
    // others. A theme that can't be read, or names nothing that can be applied, fails with one
    // message naming it.
    ThemeApplied apply(const std::string& themePath) const;

private:
    // The registry key each sound goes into.
    std::vector<RegistryString> soundValues(const ThemeSettings& settings) const;
    std::vector<std::string> soundsWithoutKey(const std::vector<RegistryString>& sounds) const;

    void applyWallpaper(const ThemeSettings& settings) const;
    void applySounds(const ThemeSettings& settings, ThemeApplied& applied) const;
    void applyScreenSaver(const ThemeSettings& settings) const;
    void applyColours(const ThemeSettings& settings) const;

    std::shared_ptr<Registry> m_registry;
    std::shared_ptr<LineFiles> m_files;
    std::shared_ptr<System> m_system;
};
