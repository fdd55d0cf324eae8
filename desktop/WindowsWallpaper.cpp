#include "desktop/WindowsWallpaper.h"

#include "cycle/LineFiles.h"
#include "cycle/Registry.h"
#include "cycle/RegistryServices.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <sstream>

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

// Windows keeps a colour as "R G B" in decimal; what does not read as one is black, as Windows takes it.
std::uint32_t desktopColour(Registry& registry)
{
    std::unique_ptr<RegistryKey> key = registry.openKey(RegistryRoot::CurrentUser, "Control Panel\\Colors");
    if (!key)
        return 0;
    RegistryValue value = key->queryValue("Background");
    if (value.kind != RegistryValue::Kind::String)
        return 0;
    std::istringstream words(value.text);
    int red = 0, green = 0, blue = 0;
    if (!(words >> red >> green >> blue))
        return 0;
    auto channel = [](int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); };
    return channel(red) << 16 | channel(green) << 8 | channel(blue);
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
    wallpaper.colour = desktopColour(registry);
    return wallpaper;
}

std::string WindowsWallpaper::colourName() const
{
    char name[8];
    std::snprintf(name, sizeof name, "#%06x", static_cast<unsigned>(colour & 0xffffff));
    return name;
}
