#pragma once

#include <optional>
#include <string>

class LineFiles;
class Registry;

// The wallpaper Windows shows at start, as it reads win.ini: the last "Wallpaper=" line and the
// last "TileWallpaper=" line of the whole file.
struct WindowsWallpaper {
    std::string path;
    bool tiled = false;

    // Nothing when win.ini names no picture (an empty value, or "(None)"). Throws "Cannot open file
    // %s" for a missing win.ini, and the registry store's message when it can't be read.
    static std::optional<WindowsWallpaper> read(Registry& registry, const LineFiles& files);
};
