#include "panels/theme/ThemeApplier.h"

#include "cycle/Exception.h"
#include "cycle/FileExists.h"
#include "cycle/LineFiles.h"
#include "cycle/RegistryServices.h"
#include "cycle/System.h"
#include "panels/saver/SaverApply.h"
#include "panels/sound/SoundApply.h"
#include "panels/theme/ThemeFile.h"
#include "panels/theme/ThemePreview.h"
#include "panels/theme/ThemeText.h"
#include "panels/theme/ThemeVariables.h"
#include "panels/wallpaper/WallpaperApply.h"

#include <functional>
#include <optional>

namespace {

constexpr const char* coloursKey = "\\Control Panel\\Colors";
constexpr const char* desktopKey = "\\Control Panel\\Desktop";

// The two events the sound module sets go into the keys it sets; the theme's other events are set
// the same way, in their own keys.
std::optional<SoundEvent> soundModuleEvent(const std::string& key)
{
    for (SoundEvent event : { SoundEvent::SystemStart, SoundEvent::SystemExit })
        if (foldedName(key) == foldedName(SoundApply::eventKey(event)))
            return event;
    return std::nullopt;
}

void attempt(const std::function<void()>& step, std::vector<std::string>& failures)
{
    try {
        step();
    } catch (const std::exception& error) {
        failures.emplace_back(error.what());
    }
}

} // namespace

ThemeApplier::ThemeApplier(
    std::shared_ptr<Registry> registry, std::shared_ptr<LineFiles> files, std::shared_ptr<System> system)
    : m_registry(std::move(registry))
    , m_files(std::move(files))
    , m_system(std::move(system))
{
}

ThemeSettings ThemeApplier::read(const std::string& themePath) const
{
    LineList lines = readThemeFile(themePath);
    // A theme is read even where the Windows directory can't be found; %WinDir% then expands to
    // nothing.
    std::string windows;
    try {
        windows = windowsDirectory(*m_registry);
    } catch (const Exception&) {
    }
    ThemeSettings settings = ThemeSettings::of(ThemeFile(lines), ThemeVariables(windows, themePath));
    if (settings.name.empty()) {
        std::size_t nameStart = themePath.find_last_of("/\\:");
        settings.name = nameStart == std::string::npos ? themePath : themePath.substr(nameStart + 1);
        if (foldedName(settings.name).ends_with(".THEME"))
            settings.name.resize(settings.name.size() - 6);
    }
    return settings;
}

ThemePreview ThemeApplier::preview(const std::string& themePath) const
{
    ThemeSettings settings = read(themePath);
    std::vector<std::string> notSet;
    try {
        notSet = soundsWithoutKey(soundValues(settings));
    } catch (const std::exception&) {
    }
    return ThemePreview(settings, fileExists, notSet);
}

ThemeApplied ThemeApplier::apply(const std::string& themePath) const
{
    ThemeApplied applied;
    ThemeSettings settings;
    try {
        settings = read(themePath);
    } catch (const std::exception& error) {
        applied.failures.emplace_back(error.what());
        return applied;
    }
    if (settings.empty()) {
        applied.failures.push_back(formatMessage("The theme %s names nothing that can be applied", themePath));
        return applied;
    }
    attempt([&] { applyWallpaper(settings); }, applied.failures);
    applySounds(settings, applied);
    attempt([&] { applyScreenSaver(settings); }, applied.failures);
    attempt([&] { applyColours(settings); }, applied.failures);
    return applied;
}

std::vector<RegistryString> ThemeApplier::soundValues(const ThemeSettings& settings) const
{
    std::vector<RegistryString> waves;
    for (const auto& [key, wave] : settings.sounds) {
        std::optional<SoundEvent> event = soundModuleEvent(key);
        waves.push_back({ event ? std::string(SoundApply::eventKey(*event)) : key, std::string(), wave });
    }
    return waves;
}

std::vector<std::string> ThemeApplier::soundsWithoutKey(const std::vector<RegistryString>& sounds) const
{
    std::vector<std::string> names;
    for (const RegistryString& sound : sounds)
        if (!m_registry->openKey(RegistryRoot::CurrentUser, sound.keyPath))
            names.push_back(soundEventName(sound.keyPath));
    return names;
}

void ThemeApplier::applyWallpaper(const ThemeSettings& settings) const
{
    WallpaperApply(m_registry, m_files).applyGiven(settings.wallpaper, settings.tilingFlag);
}

void ThemeApplier::applySounds(const ThemeSettings& settings, ThemeApplied& applied) const
{
    std::vector<RegistryString> waves = soundValues(settings);
    attempt(
        [&] {
            applied.soundsNotSet = soundsWithoutKey(waves);
            for (std::string& failure : writeRegistryStringsOfKeys(*m_registry, waves))
                applied.failures.push_back(std::move(failure));
        },
        applied.failures);
}

// The theme's switch comes after the saver's own step, which may switch the screen saver on, and
// only once system.ini holds the theme's screen saver, as that step does it.
void ThemeApplier::applyScreenSaver(const ThemeSettings& settings) const
{
    if (settings.screenSaver)
        SaverApply(m_registry, m_files, m_system).apply(*settings.screenSaver);
    if (settings.screenSaveActive)
        writeRegistryStrings(*m_registry, desktopKey, { { "ScreenSaveActive", *settings.screenSaveActive } });
}

void ThemeApplier::applyColours(const ThemeSettings& settings) const
{
    writeRegistryStrings(*m_registry, coloursKey, settings.colours);
}
