#pragma once

#include "cycle/ModuleParameters.h"

#include <memory>

class WallpaperApply;

// The wallpaper list, "murello.dat" with "murello.cfg", whose settings carry one tiling flag per
// entry from line 2 on ("t" tile, "f" centre). Its Save reads win.ini and takes the next entry
// whatever the switch says, but writes only when enabled: the apply slot's `prepare` reads win.ini,
// `apply` writes it, `finish` sets the registry values after the advanced position is stored.
ModuleParameters wallpaperModule();

// The same with the apply step filled in.
ModuleParameters wallpaperModule(std::shared_ptr<WallpaperApply> apply);
