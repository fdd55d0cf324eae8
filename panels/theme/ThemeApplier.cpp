#include "panels/theme/ThemeApplier.h"

#include "cycle/Exception.h"
#include "cycle/LineFiles.h"
#include "cycle/RegistryServices.h"
#include "cycle/System.h"
#include "panels/saver/SaverApply.h"
#include "panels/sound/SoundApply.h"
#include "panels/theme/ThemeFile.h"
#include "panels/theme/ThemeVariables.h"
#include "panels/wallpaper/WallpaperApply.h"

#include <functional>
#include <optional>

namespace {

constexpr const char* coloursKey = "\\Control Panel\\Colors";

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
    LineList lines;
    m_files->read(themePath, lines);
    // A theme is read even where the Windows directory can't be found; %WinDir% then expands to
    // nothing.
    std::string windows;
    try {
        windows = windowsDirectory(*m_registry);
    } catch (const Exception&) {
    }
    ThemeSettings settings = ThemeSettings::of(ThemeFile(lines), ThemeVariables(windows, themePath));
    std::size_t nameStart = themePath.find_last_of("/\\:");
    settings.name = nameStart == std::string::npos ? themePath : themePath.substr(nameStart + 1);
    if (foldedName(settings.name).ends_with(".THEME"))
        settings.name.resize(settings.name.size() - 6);
    return settings;
}

std::vector<std::string> ThemeApplier::apply(const std::string& themePath) const
{
    std::vector<std::string> failures;
    ThemeSettings settings;
    try {
        settings = read(themePath);
    } catch (const std::exception& error) {
        return { error.what() };
    }
    attempt([&] { applyWallpaper(settings); }, failures);
    applySounds(settings, failures);
    attempt([&] { applyScreenSaver(settings); }, failures);
    attempt([&] { applyColours(settings); }, failures);
    return failures;
}

void ThemeApplier::applyWallpaper(const ThemeSettings& settings) const
{
    WallpaperApply(m_registry, m_files).applyGiven(settings.wallpaper, settings.tilingFlag);
}

void ThemeApplier::applySounds(const ThemeSettings& settings, std::vector<std::string>& failures) const
{
    std::vector<RegistryString> waves;
    for (const auto& [key, wave] : settings.sounds) {
        std::optional<SoundEvent> event = soundModuleEvent(key);
        waves.push_back({ event ? std::string(SoundApply::eventKey(*event)) : key, std::string(), wave });
    }
    attempt(
        [&] {
            for (std::string& failure : writeRegistryStringsOfKeys(*m_registry, waves))
                failures.push_back(std::move(failure));
        },
        failures);
}

void ThemeApplier::applyScreenSaver(const ThemeSettings& settings) const
{
    if (settings.screenSaver)
        SaverApply(m_registry, m_files, m_system).apply(*settings.screenSaver);
}

void ThemeApplier::applyColours(const ThemeSettings& settings) const
{
    writeRegistryStrings(*m_registry, coloursKey, settings.colours);
}
