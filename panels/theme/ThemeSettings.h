#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

class ThemeFile;
class ThemeVariables;

// What a theme would change, its variables expanded. An item the theme lacks, or gives an empty
// value, is absent: applying the theme leaves it as it is.
struct ThemeSettings {
    using Pairs = std::vector<std::pair<std::string, std::string>>;

    std::string name; // the file's name without ".theme", as the Desktop Themes list shows it

    std::optional<std::string> wallpaper;
    std::optional<std::string> tilingFlag; // "t" for TileWallpaper=1, "f" for 0
    std::optional<std::string> screenSaver;
    Pairs sounds; // the event's key under HKEY_CURRENT_USER, from the root; the wave's path
    Pairs colours; // the value name under Control Panel\Colors; its text

    static ThemeSettings of(const ThemeFile& file, const ThemeVariables& variables);

    // Each item with its value, in the order they are applied, as a person reads them.
    Pairs items() const;
};
