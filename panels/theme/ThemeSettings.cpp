#include "panels/theme/ThemeSettings.h"

#include "panels/theme/ThemeFile.h"
#include "panels/theme/ThemeVariables.h"

namespace {

constexpr std::string_view eventsPrefix = "APPEVENTS\\SCHEMES\\APPS\\";
constexpr std::string_view eventSuffix = "\\.CURRENT";
constexpr const char* desktop = "Control Panel\\Desktop";

std::optional<std::string> given(
    const ThemeFile& file, const char* section, const char* name, const ThemeVariables& variables)
{
    std::optional<std::string> value = file.value(section, name);
    if (!value || value->empty())
        return std::nullopt;
    return variables.expand(*value);
}

// The flags Windows reads as a switch: "1" on, "0" off; anything else is left out.
std::optional<std::string> switchValue(const ThemeFile& file, const char* name)
{
    std::optional<std::string> value = file.value(desktop, name);
    return value == "1" || value == "0" ? value : std::nullopt;
}

bool isSoundEvent(const std::string& section)
{
    std::string folded = foldedName(section);
    return folded.starts_with(eventsPrefix) && folded.ends_with(eventSuffix)
        && folded.size() > eventsPrefix.size() + eventSuffix.size();
}

// A DisplayName of "@file,-number" names a string in a Windows library, which can't be read here.
std::string themeName(const ThemeFile& file)
{
    std::optional<std::string> displayName = file.value("Theme", "DisplayName");
    if (displayName && !displayName->empty() && displayName->front() != '@')
        return *displayName;
    const std::optional<std::string>& comment = file.firstComment();
    if (comment && !comment->empty() && !foldedName(*comment).starts_with("COPYRIGHT"))
        return *comment;
    return {};
}

} // namespace

ThemeSettings ThemeSettings::of(const ThemeFile& file, const ThemeVariables& variables)
{
    ThemeSettings settings;
    settings.name = themeName(file);
    settings.wallpaper = given(file, desktop, "Wallpaper", variables);
    std::optional<std::string> tile = file.value(desktop, "TileWallpaper");
    if (tile == "1")
        settings.tilingFlag = "t";
    else if (tile == "0")
        settings.tilingFlag = "f";
    settings.screenSaver = given(file, "boot", "SCRNSAVE.EXE", variables);
    settings.screenSaveActive = switchValue(file, "ScreenSaveActive");
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

bool ThemeSettings::empty() const
{
    return !wallpaper && !tilingFlag && !screenSaver && !screenSaveActive && sounds.empty() && colours.empty();
}

std::string soundEventName(const std::string& key)
{
    std::string_view name(key);
    if (name.starts_with('\\'))
        name.remove_prefix(1);
    if (foldedName(name).starts_with(eventsPrefix))
        name.remove_prefix(eventsPrefix.size());
    if (foldedName(name).ends_with(eventSuffix))
        name.remove_suffix(eventSuffix.size());
    return std::string(name);
}

std::string soundsNotSetNote(const std::vector<std::string>& eventNames)
{
    std::string note;
    for (const std::string& name : eventNames) {
        note += note.empty() ? "sounds not set, no registry key: " : ", ";
        note += name;
    }
    return note;
}
