#pragma once

#include <cstdint>
#include <optional>
#include <string>

class LineFiles;
class Registry;

// The wallpaper Windows shows at start, as it reads win.ini: the last "Wallpaper=" line and the
// last "TileWallpaper=" line of the whole file; a centred picture sits on the desktop's colour.
struct WindowsWallpaper {
    std::string path;
    bool tiled = false;
    std::uint32_t colour = 0; // 0xRRGGBB: HKEY_CURRENT_USER\Control Panel\Colors, "Background"

    // Nothing when win.ini names no picture (an empty value, or "(None)"). Throws "Cannot open file
    // %s" for a missing win.ini, and the registry store's message when it can't be read.
    static std::optional<WindowsWallpaper> read(Registry& registry, const LineFiles& files);

    // "#rrggbb"
    std::string colourName() const;
    int red() const { return static_cast<int>(colour >> 16 & 0xff); }
    int green() const { return static_cast<int>(colour >> 8 & 0xff); }
    int blue() const { return static_cast<int>(colour & 0xff); }
};
