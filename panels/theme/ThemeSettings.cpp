#include "panels/theme/ThemeSettings.h"

#include "panels/theme/ThemeFile.h"
#include "panels/theme/ThemeVariables.h"

namespace {

constexpr const char* eventsPrefix = "APPEVENTS\\SCHEMES\\APPS\\";
constexpr const char* eventSuffix = "\\.CURRENT";

std::optional<std::string> given(
    const ThemeFile& file, const char* section, const char* name, const ThemeVariables& variables)
{
    std::optional<std::string> value = file.value(section, name);
    if (!value || value->empty())
        return std::nullopt;
    return variables.expand(*value);
}

bool isSoundEvent(const std::string& section)
{
    std::string folded = foldedName(section);
    return folded.starts_with(eventsPrefix) && folded.ends_with(eventSuffix)
        && folded.size() > std::string_view(eventsPrefix).size() + std::string_view(eventSuffix).size();
}

// "AppEvents\Schemes\Apps\.Default\SystemStart\.Current" reads "Sound .Default\SystemStart".
std::string eventLabel(const std::string& key)
{
    std::string_view name(key);
    name.remove_prefix(1 + std::string_view(eventsPrefix).size());
    name.remove_suffix(std::string_view(eventSuffix).size());
    return "Sound " + std::string(name);
}

} // namespace

ThemeSettings ThemeSettings::of(const ThemeFile& file, const ThemeVariables& variables)
{
    ThemeSettings settings;
    settings.wallpaper = given(file, "Control Panel\\Desktop", "Wallpaper", variables);
    std::optional<std::string> tile = file.value("Control Panel\\Desktop", "TileWallpaper");
    if (tile == "1")
        settings.tilingFlag = "t";
    else if (tile == "0")
        settings.tilingFlag = "f";
    settings.screenSaver = given(file, "boot", "SCRNSAVE.EXE", variables);
    for (const std::string& section : file.sectionNames()) {
        if (!isSoundEvent(section))
            continue;
        if (std::optional<std::string> wave = given(file, section.c_str(), "DefaultValue", variables))
            settings.sounds.emplace_back("\\" + section, *wave);
    }
    for (const auto& [name, value] : file.values("Control Panel\\Colors"))
        if (!value.empty())
            settings.colours.emplace_back(name, value);
    return settings;
}

ThemeSettings::Pairs ThemeSettings::items() const
{
    Pairs items;
    if (wallpaper)
        items.emplace_back("Wallpaper", *wallpaper);
    if (tilingFlag)
        items.emplace_back("Tile wallpaper", *tilingFlag == "t" ? "Yes" : "No");
    for (const auto& [key, wave] : sounds)
        items.emplace_back(eventLabel(key), wave);
    if (screenSaver)
        items.emplace_back("Screen saver", *screenSaver);
    for (const auto& [name, value] : colours)
        items.emplace_back("Colour " + name, value);
    return items;
}
