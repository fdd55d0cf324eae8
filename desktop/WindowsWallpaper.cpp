#include "desktop/WindowsWallpaper.h"

#include "cycle/LineFiles.h"
#include "cycle/RegistryServices.h"

namespace {

// The value of the last line that starts with the key, upper-cased in its first ten characters.
std::string lastValue(const LineList& lines, std::string_view key)
{
    std::vector<std::size_t> found = findLinesByPrefix(lines, 10, key);
    if (found.empty())
        return "";
    const std::string& line = lines[found.back()];
    std::size_t equals = line.find('=');
    return equals == std::string::npos ? "" : line.substr(equals + 1);
}

} // namespace

std::optional<WindowsWallpaper> WindowsWallpaper::read(Registry& registry, const LineFiles& files)
{
    LineList winIni;
    files.read(windowsDirectory(registry) + "/win.ini", winIni);
    WindowsWallpaper wallpaper;
    wallpaper.path = lastValue(winIni, "WALLPAPER=");
    if (wallpaper.path.empty() || wallpaper.path == "(None)")
        return std::nullopt;
    wallpaper.tiled = lastValue(winIni, "TILEWALLPA") == "1";
    return wallpaper;
}
