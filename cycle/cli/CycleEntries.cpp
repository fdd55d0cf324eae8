#include "cycle/cli/CycleEntry.h"
#include "panels/wallpaper/WallpaperApply.h"
#include "panels/wallpaper/WallpaperModule.h"

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

} // namespace

std::vector<CycleEntry> cycleEntries()
{
    return { wallpaper() };
}
