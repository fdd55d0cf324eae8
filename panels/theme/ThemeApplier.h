#pragma once

#include "panels/theme/ThemeSettings.h"

#include <memory>
#include <string>
#include <vector>

class LineFiles;
class Registry;
class System;

// Applies a desktop theme at once where no theme software exists, into the same win.ini,
// system.ini and registry that the other modules write, through their apply steps: the wallpaper
// and its tiling, the sound events whose keys exist, the screen saver and the colours. It never
// touches the start-up logo.
class ThemeApplier {
public:
    ThemeApplier(std::shared_ptr<Registry> registry, std::shared_ptr<LineFiles> files, std::shared_ptr<System> system);

    // What the theme file names, its variables expanded. Throws "Cannot open file %s".
    ThemeSettings read(const std::string& themePath) const;

    // Applies each item the theme names, one after another; an item that fails does not stop the
    // others. Returns the messages of what failed (a theme that can't be read: its one message).
    std::vector<std::string> apply(const std::string& themePath) const;

private:
    void applyWallpaper(const ThemeSettings& settings) const;
    void applySounds(const ThemeSettings& settings, std::vector<std::string>& failures) const;
    void applyScreenSaver(const ThemeSettings& settings) const;
    void applyColours(const ThemeSettings& settings) const;

    std::shared_ptr<Registry> m_registry;
    std::shared_ptr<LineFiles> m_files;
    std::shared_ptr<System> m_system;
};
