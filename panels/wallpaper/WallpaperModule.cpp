#include "panels/wallpaper/WallpaperModule.h"

ModuleParameters wallpaperModule()
{
    ModuleParameters module = singleListModule("murello.dat", "murello.cfg");
    module.settingsMayHoldMoreLines = true;
    module.newEntryFlag.emplace(1, 't');
    module.enabledAtCreation = true;
    module.insertWithoutSelection = WhenNothingSelected::InsertNothing;
    module.save.reloadAfterWrite = true;
    module.save.prepareEvenWhenIdle = true;
    module.save.advanceWhenDisabled = true;
    return module;
}
