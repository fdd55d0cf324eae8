#include "panels/logo/LogoApply.h"
#include "panels/logo/LogoModule.h"
#include "panels/saver/SaverApply.h"
#include "panels/saver/SaverModule.h"
#include "panels/sound/SoundApply.h"
#include "panels/sound/SoundModule.h"
#include "panels/theme/ThemeApplier.h"
#include "panels/theme/ThemeModule.h"
#include "panels/theme/ThemeShell.h"
#include "panels/wallpaper/WallpaperApply.h"
#include "panels/wallpaper/WallpaperModule.h"
#include "zentrel-cycle/CycleEntry.h"

#include <algorithm>
#include <memory>

namespace {

CycleEntry wallpaper()
{
    CycleEntry entry;
    entry.name = "wallpaper";
    entry.lineNames = { "wallpaper" };
    entry.parameters = [](const CycleServices& services) {
        return wallpaperModule(std::make_shared<WallpaperApply>(services.registry, services.files));
    };
    entry.describe = [](const AppliedEntry& applied) -> std::string {
        if (applied.flag == "t")
            return " (tiled)";
        if (applied.flag == "f")
            return " (centred)";
        return " (tiling left out)";
    };
    return entry;
}

CycleEntry sound()
{
    CycleEntry entry;
    entry.name = "sound";
    entry.lineNames = { "start-up sounds", "shutdown sounds" };
    entry.parameters
        = [](const CycleServices& services) { return soundModule(std::make_shared<SoundApply>(services.registry)); };
    entry.skipped = "skipped, the sound event's registry key is missing";
    return entry;
}

CycleEntry saver()
{
    CycleEntry entry;
    entry.name = "saver";
    entry.lineNames = { "screen saver" };
    entry.parameters = [](const CycleServices& services) {
        return saverModule(std::make_shared<SaverApply>(services.registry, services.files, services.system));
    };
    entry.describe = [](const AppliedEntry& applied) -> std::string {
        return SaverApply::isScreenSaver(applied.path) ? "" : " (no .scr file: system.ini left as it was)";
    };
    return entry;
}

CycleEntry logo()
{
    CycleEntry entry;
    entry.name = "logo";
    entry.lineNames = { "logo" };
    entry.parameters = [](const CycleServices& services) {
        return logoModule(std::make_shared<LogoApply>(services.registry, services.system));
    };
    return entry;
}

// The theme goes to the shell's "Apply Settings". The panel goes on silently whatever happened,
// as on Windows; here the built-in shell's failures are reported, after the position advanced,
// and the sounds this machine has no event for are named on the theme's line.
CycleEntry theme()
{
    CycleEntry entry;
    entry.name = "theme";
    entry.lineNames = { "theme" };
    auto failures = std::make_shared<std::vector<std::string>>();
    auto note = std::make_shared<std::string>();
    entry.reportedFailures = failures;
    entry.parameters = [failures, note](const CycleServices& services) {
        return themeModule(makeThemeShell(
            services.system, services.programDirectory, {}, [failures, note](const ThemeApplied& outcome) {
                failures->insert(failures->end(), outcome.failures.begin(), outcome.failures.end());
                *note = soundsNotSetNote(outcome.soundsNotSet);
                // A failed line has no room for the note: it joins the messages.
                if (!outcome.failures.empty() && !note->empty()) {
                    failures->push_back(*note);
                    failures->back().front() = 'S';
                }
            }));
    };
    entry.describe = [note](const AppliedEntry&) {
        std::string text = note->empty() ? std::string() : " (" + *note + ")";
        note->clear();
        return text;
    };
    return entry;
}

} // namespace

std::vector<CycleEntry> cycleEntries()
{
    return { wallpaper(), sound(), saver(), logo(), theme() };
}

std::vector<std::string> namesOf(const std::vector<CycleEntry>& entries)
{
    std::vector<std::string> names;
    for (const CycleEntry& entry : entries)
        names.push_back(entry.name);
    return names;
}

std::vector<CycleEntry> chosen(std::vector<CycleEntry> entries, const std::vector<std::string>& only)
{
    if (only.empty())
        return entries;
    std::erase_if(entries,
        [&](const CycleEntry& entry) { return std::find(only.begin(), only.end(), entry.name) == only.end(); });
    return entries;
}
