#include "panels/theme/ThemeModule.h"

#include "cycle/System.h"

ModuleParameters themeModule()
{
    ModuleParameters module = singleListModule("ambrel.dat", "ambrel.cfg");
    module.insertWithoutSelection = WhenNothingSelected::Append;
    return module;
}

ModuleParameters themeModule(std::shared_ptr<System> shell)
{
    ModuleParameters module = themeModule();
    module.apply.at(0).apply = [shell](const AppliedEntry& entry) { shell->shellExecute(themeApplyVerb, entry.path); };
    return module;
}

void openSelectedTheme(System& shell, const CycleList& list, CycleModule::Row selected)
{
    if (selected && *selected < list.size())
        shell.shellExecute(themeOpenVerb, std::string(list.at(*selected)));
}
