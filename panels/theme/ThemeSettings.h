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

    // The theme's own name: its DisplayName under [Theme] or, as Plus! themes keep it, its first
    // comment line (a copyright line is no name). Empty when it has neither.
    std::string name;

    std::optional<std::string> wallpaper;
    std::optional<std::string> tilingFlag; // "t" for TileWallpaper=1, "f" for 0
    std::optional<std::string> screenSaver;
    std::optional<std::string> screenSaveActive; // "1" or "0"
    Pairs sounds; // the event's key under HKEY_CURRENT_USER, from the root; the wave's path
    Pairs colours; // the value name under Control Panel\Colors; its text

    static ThemeSettings of(const ThemeFile& file, const ThemeVariables& variables);

    // True when the theme names no item that can be applied.
    bool empty() const;
};

// A sound event's key as a person reads it: "\AppEvents\Schemes\Apps\.Default\SystemStart\.Current"
// reads ".Default\SystemStart".
std::string soundEventName(const std::string& key);

// One line for the sound events a machine has no registry key for, which a theme can't set there:
// "sounds not set, no registry key: .Default\MailBeep, Explorer\Navigating". Empty for none.
std::string soundsNotSetNote(const std::vector<std::string>& eventNames);
