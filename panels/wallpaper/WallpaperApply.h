#pragma once

#include "cycle/LineList.h"
#include "cycle/ModuleParameters.h"

#include <memory>
#include <optional>
#include <string>

class LineFiles;
class Registry;

// Makes a bitmap the desktop wallpaper: the wallpaper lines of win.ini in the Windows directory,
// then "Wallpaper" and "TileWallpaper" under HKEY_CURRENT_USER\Control Panel\Desktop. Only the
// configuration is written; the running desktop is not told.
class WallpaperApply {
public:
    WallpaperApply(std::shared_ptr<Registry> registry, std::shared_ptr<LineFiles> files);

    // The steps in the places the Save sequence gives them: win.ini is read before the next
    // position, written when an enabled list applies its entry, and the registry is set after the
    // advanced position has been stored.
    static ApplyHooks hooks(std::shared_ptr<WallpaperApply> apply);

    // Reads win.ini afresh into the image; "Cannot open file %s" when it can't be read.
    void readWinIni();
    // Puts the entry's path and tiling into win.ini as it is on disk now, so that what another
    // program saved since it was read is kept, and keeps the edited lines as the image.
    void writeWinIni(const AppliedEntry& entry);
    // Sets the registry values the entry has text for: no "Wallpaper" for an empty path, no
    // "TileWallpaper" for a flag other than "t" or "f". Nothing when the key is missing.
    void setDesktopValues(const AppliedEntry& entry);

    // Sets only what is given, in win.ini and then in the registry, leaving the other line and
    // value as they are: a desktop theme may name a wallpaper without its tiling, or the reverse.
    void applyGiven(const std::optional<std::string>& path, const std::optional<std::string>& flag);

    const std::string& winIniPath() const { return m_winIniPath; }
    const LineList& winIni() const { return m_winIni; }

private:
    std::shared_ptr<Registry> m_registry;
    std::shared_ptr<LineFiles> m_files;
    std::string m_winIniPath;
    LineList m_winIni;
};
