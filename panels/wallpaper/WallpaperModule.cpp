#include "panels/wallpaper/WallpaperModule.h"

#include "panels/wallpaper/WallpaperApply.h"

ModuleParameters wallpaperModule()
{
    ModuleParameters module = singleListModule("murello.dat", "murello.cfg");
    module.settingsMayHoldMoreLines = true;
    module.newEntryFlag.emplace(1, 't');
    module.enabledAtCreation = true;
    module.insertWithoutSelection = WhenNothingSelected::InsertNothing;
    using enum SaveStep;
    using enum ListStep;
    module.save = {
        { WriteLists, StoreSwitches, StoreNextFields, WriteSettings, Reload, EachList },
        { Prepare, StopIfEmpty, TakeStoredEntry, Apply, Advance, StopUnlessEnabled, WriteAdvancedSettings, Finish },
    };
    return module;
}

ModuleParameters wallpaperModule(std::shared_ptr<WallpaperApply> apply)
{
    ModuleParameters module = wallpaperModule();
    module.apply.at(0) = WallpaperApply::hooks(std::move(apply));
    return module;
}
