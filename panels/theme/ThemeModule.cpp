#include "panels/theme/ThemeModule.h"

ModuleParameters themeModule()
{
    ModuleParameters module = singleListModule("ambrel.dat", "ambrel.cfg");
    module.insertWithoutSelection = WhenNothingSelected::Append;
    return module;
}
