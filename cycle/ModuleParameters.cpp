#include "cycle/ModuleParameters.h"

ModuleParameters singleListModule(std::string listFile, std::string settingsFile)
{
    ModuleParameters module;
    module.listFiles = { std::move(listFile) };
    module.settingsFile = std::move(settingsFile);
    module.defaultSettings = { "t", "1" };
    module.apply.resize(1);
    return module;
}
